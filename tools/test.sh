#!/usr/bin/env bash
# Runs every test: native unit tests under ASan/UBSan, then the Windows programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
bash tools/check-format.sh

cmake --preset native >/dev/null
cmake --build --preset native
# The frames bit for bit as the optimised build computes them.
ctest --preset native-frames

cmake --preset native-asan >/dev/null
cmake --build --preset native-asan
ctest --preset native-asan

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
