#!/usr/bin/env bash
# package-deb.sh OUT: the Debian source and binary packages of the X11 program, built by
# dpkg-buildpackage from debian/ in a copy of this tree, into OUT: quorrel_<version>.dsc and .tar.xz,
# and quorrel_<version>_<arch>.deb, whose path it prints.
# The copy holds the files git knows, committed or not, and no build folder. DEB_BUILD_OPTIONS passes
# through (nocheck leaves the tests out).
set -euo pipefail
# Whatever the caller's umask, files in the packages are readable by all.
umask 022
source_dir=$(realpath "$(dirname "$0")/..")
out=$(realpath -m "$1")
mkdir -p "$out"
# The last commit's time for whatever the build stamps, so that the same commit makes the same packages.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)}

# Built in a temporary folder rather than beside OUT, whose path may hold blanks: the distribution's
# flags map the build folder out of the program only when its path has none.
work=$(mktemp -d -t quorrel-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/quorrel"
git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
    tar -C "$source_dir" --null --files-from=- --ignore-failed-read -cf - |
    tar -C "$work/quorrel" -xf -
(cd "$work/quorrel" && dpkg-buildpackage -us -uc) >"$work/build.log" 2>&1 || {
    cat "$work/build.log" >&2
    echo "package-deb: dpkg-buildpackage failed" >&2
    exit 1
}
# The tests' verdict, when they ran.
grep -E '^[0-9]+% tests passed' "$work/build.log" >&2 || true
# The build's own records (.buildinfo, .changes: they name the build folder) and the debug symbols stay
# behind.
version=$(cd "$work/quorrel" && dpkg-parsechangelog -S Version)
deb=quorrel_${version}_$(dpkg --print-architecture).deb
mv "$work/quorrel_$version.dsc" "$work/quorrel_$version.tar.xz" "$work/$deb" "$out/"
echo "$out/$deb"
