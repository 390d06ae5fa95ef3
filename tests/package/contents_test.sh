#!/usr/bin/env bash
# The package holds exactly the program, its description for the settings tool, the man page, the
# desktop entry and the two documents; its Depends name the X libraries; lintian, pedantic, finds no
# error and no warning in it nor in the source package.
source "$(dirname "$0")/package_fixture.sh"

held=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print substr($6, 2) }' | sort)
expected=$(printf '%s\n' "${packaged_files[@]}" | sort)
[ "$held" = "$expected" ] || fail "the package holds:
$held
expected:
$expected"

depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libx11-6 libxext6; do
    [[ ", $depends," == *", $library"[\ ,]* ]] || fail "Depends lacks $library: $depends"
done

# Pedantic and informational notes are listed in the test's output; errors and warnings fail it.
status=0
lintian --fail-on error,warning --pedantic --info --tag-display-limit 0 "$dsc" "$deb" >"$WORK/lintian.txt" 2>&1 ||
    status=$?
grep -v '^running with root' "$WORK/lintian.txt" || true
[ "$status" -eq 0 ] || fail "lintian: exit code $status"
