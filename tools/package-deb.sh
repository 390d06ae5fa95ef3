#!/usr/bin/env bash
# package-deb.sh BUILD OUT: the Debian package of the X11 program built in BUILD (a native CMake build
# folder) as OUT/quorrel_<version>_<arch>.deb, and its path on standard output. QUORREL_MAINTAINER
# names the maintainer in the package.
set -euo pipefail
# Whatever the caller's umask, folders in the package are readable by all.
umask 022
source_dir=$(realpath "$(dirname "$0")/..")
build=$(realpath "$1")
out=$(realpath -m "$2")
maintainer=${QUORREL_MAINTAINER:-Quorrel authors <quorrel@example.org>}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
# The last commit's time, so that the same sources make the same package.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH=$epoch

work=$(mktemp -d "$build/deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir -p "$root/DEBIAN" "$out"
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
program=$root/usr/libexec/xscreensaver/quorrel
[ -x "$program" ] || {
    echo "package-deb: $build has no quorrel to package" >&2
    exit 1
}
strip --remove-section=.comment --remove-section=.note "$program"

doc=$root/usr/share/doc/quorrel
install -d "$doc" "$root/usr/share/applications/screensavers"
install -m 644 "$source_dir/installer/debian/copyright" "$doc/copyright"
install -m 644 "$source_dir/installer/debian/quorrel.desktop" "$root/usr/share/applications/screensavers/"
gzip -9n "$root/usr/share/man/man6/quorrel.6"
cat >"$doc/changelog" <<EOF
quorrel ($version) unstable; urgency=medium

  * Quorrel $version.

 -- $maintainer  $(date -R -u -d "@$epoch")
EOF
gzip -9n "$doc/changelog"

# Depends from the libraries the program links; dpkg-shlibdeps wants a source package around it.
mkdir -p "$work/debian"
printf 'Source: quorrel\n\nPackage: quorrel\nArchitecture: any\n' >"$work/debian/control"
depends=$(cd "$work" && dpkg-shlibdeps -O "$program" | sed -n 's/^shlibs:Depends=//p')

cat >"$root/DEBIAN/control" <<EOF
Package: quorrel
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $depends
Suggests: xscreensaver | xsecurelock
Section: x11
Priority: optional
Description: glowing, turning figure of light for X screen savers
 A glowing, slowly turning figure of fourteen points, drawn many times over
 at growing sizes so that the copies merge into a spiralling trail of soft
 light whose colours wander with smooth noise.
 .
 The program quorrel draws into the window that xscreensaver or xsecurelock
 hands it, on any TrueColor display, and comes with its description for the
 xscreensaver settings tool. Add "quorrel --root" to the programs list in
 ~/.xscreensaver to use it; quorrel(6) tells how.
EOF
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
find "$root" -exec touch -h -d "@$epoch" {} +

deb=$out/quorrel_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb"
