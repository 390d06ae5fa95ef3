#!/usr/bin/env bash
# Builds the Windows programs and what a Windows user downloads, in build/windows/dist/:
# Quorrel-<version>-setup.exe (the installer) and Quorrel-<version>-win64.zip (the programs, the page
# about them and a read-me); then the X11 program's Debian packages in build/native/dist/, source and
# binary (quorrel_<version>_amd64.deb), built by dpkg-buildpackage. Each dist folder gets SHA256SUMS.
# QUORREL_BUILD_DIR picks the Windows build folder (default build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
# The last commit's time for whatever the builds stamp: the same commit makes the same downloads.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

# sums FOLDER: SHA256SUMS in FOLDER for everything else in it, checkable there with sha256sum -c.
sums() {
    (cd "$1" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort |
        xargs -d '\n' sha256sum >SHA256SUMS)
    echo "package: $1/SHA256SUMS"
}

build=$(realpath -m "${QUORREL_BUILD_DIR:-build/windows}")
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build"
rm -rf "$build/dist"
cmake --build "$build" --target quorrel_installer quorrel_archive
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
echo "package: $build/dist/Quorrel-$version-setup.exe"
echo "package: $build/dist/Quorrel-$version-win64.zip"
sums "$build/dist"

# The X11 program for Linux users.
rm -rf build/native/dist
deb=$(bash tools/package-deb.sh build/native/dist)
echo "package: $deb"
sums build/native/dist
