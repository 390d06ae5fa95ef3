#!/usr/bin/env bash
# Runs every test: native unit tests under ASan/UBSan, then the Windows programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
bash tools/check-format.sh

cmake --preset native >/dev/null
cmake --build --preset native

cmake --preset native-asan >/dev/null
cmake --build --preset native-asan
ctest --preset native-asan

cmake --preset windows >/dev/null
cmake --build --preset windows
# Real windows on a shared virtual display: a test that fails is run once more, and fails for good only
# when it fails again.
ctest --preset windows --repeat until-pass:2
