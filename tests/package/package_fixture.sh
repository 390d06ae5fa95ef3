# shellcheck shell=bash
# Sourced by the package tests: the Debian package of the quorrel built in BUILD, made afresh into
# WORK (its path in deb), and the files it must hold.
set -euo pipefail
: "${BUILD:?}" "${WORK:?}"
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

deb=$(bash "$source_dir/tools/package-deb.sh" "$BUILD" "$WORK") || fail "the package could not be made"
