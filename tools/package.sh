#!/usr/bin/env bash
# Builds the Windows programs and what a Windows user downloads, in build/windows/dist/:
# Quorrel-<version>-setup.exe (the installer) and Quorrel-<version>-win64.zip (the programs and a read-me).
# QUORREL_BUILD_DIR picks the Windows build folder (default build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

build=$(realpath -m "${QUORREL_BUILD_DIR:-build/windows}")
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build"
cmake --build "$build" --target quorrel_archive
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
echo "package: $build/dist/Quorrel-$version-setup.exe"
echo "package: $build/dist/Quorrel-$version-win64.zip"
