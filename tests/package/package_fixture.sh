# shellcheck shell=bash
# Sourced by the package tests: the packages of this project's VERSION that package.build made in
# PACKAGES (the binary package's path in deb, the source package's in dsc), a fresh WORK folder, and the
# files the binary package must hold.
set -euo pipefail
: "${PACKAGES:?}" "${VERSION:?}" "${WORK:?}"
source_dir=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../..")

rm -rf "$WORK"
mkdir -p "$WORK"
# shellcheck source=../x11/virtual_display.sh
source "$source_dir/tests/x11/virtual_display.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

packaged_files=(
    /usr/libexec/xscreensaver/quorrel
    /usr/share/xscreensaver/config/quorrel.xml
    /usr/share/man/man6/quorrel.6.gz
    /usr/share/applications/screensavers/quorrel.desktop
    /usr/share/doc/quorrel/copyright
    /usr/share/doc/quorrel/changelog.gz
)

# Named by debian/changelog's version, which must be the project's.
deb=$PACKAGES/quorrel_${VERSION}_$(dpkg --print-architecture).deb
dsc=$PACKAGES/quorrel_$VERSION.dsc
[ -f "$deb" ] && [ -f "$dsc" ] || fail "no packages of version $VERSION: $(ls "$PACKAGES")"
