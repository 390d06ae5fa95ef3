#!/usr/bin/env bash
# Builds the Windows programs and what a Windows user downloads, in build/windows/dist/:
# Quorrel-<version>-setup.exe (the installer) and Quorrel-<version>-win64.zip (the programs and a read-me);
# then the X11 program's Debian package, build/native/dist/quorrel_<version>_amd64.deb.
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

# The X11 program for Linux users: a Debian package of the native build.
cmake --preset native >/dev/null
cmake --build --preset native --target quorrel
deb=$(bash tools/package-deb.sh build/native build/native/dist)
echo "package: $deb"
