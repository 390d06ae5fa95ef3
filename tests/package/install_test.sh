#!/usr/bin/env bash
# dpkg installs the package where the daemon looks: its man page is found, and xscreensaver, told
# only the name "quorrel", starts /usr/libexec/xscreensaver/quorrel in its window; dpkg -r removes
# every file.
# This changes the system, so it runs only as root and only where no quorrel package is installed;
# it is skipped otherwise.
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing a package needs root"
    exit 77
fi
if dpkg-query -W -f='${Status}' quorrel 2>/dev/null | grep -q 'installed'; then
    echo "SKIP: a quorrel package is installed already; it is left alone"
    exit 77
fi

source "$(dirname "$0")/package_fixture.sh"

installed=false
home=
remove_package() {
    end_started
    if $installed; then
        dpkg -r quorrel >/dev/null
    fi
    [ -z "$home" ] || rm -rf "$home"
}
trap remove_package EXIT

dpkg -i "$deb" >"$WORK/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$WORK/dpkg.log")"
installed=true
dpkg -L quorrel >"$WORK/listed"
for file in "${packaged_files[@]}"; do
    [ -f "$file" ] || fail "$file is not installed"
done
program=/usr/libexec/xscreensaver/quorrel
"$program" --help | grep -q '^usage: quorrel ' || fail "$program --help printed no usage"
# The settings tool's "Documentation..." button runs man.
[ "$(man -w quorrel)" = /usr/share/man/man6/quorrel.6.gz ] || fail "man -w quorrel: $(man -w quorrel 2>&1)"

# The daemon refuses to run programs as root: an unprivileged user with a home of the test's own,
# whose only program is "quorrel --root"; in /tmp, which that user can reach whatever the build
# folder's permissions.
home=$(mktemp -d /tmp/quorrel-package-home.XXXXXX)
printf 'mode:\tone\nselected:\t0\nlock:\tFalse\nfade:\tFalse\nsplash:\tFalse\nprograms:\t\\\n\tquorrel --root\t\\n\n' \
    >"$home/.xscreensaver"
chown -R 65534:65534 "$home"
as_nobody() {
    setpriv --reuid=65534 --regid=65534 --clear-groups env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin "$@"
}
start_display 800x600x24
as_nobody xscreensaver -no-splash >"$WORK/daemon.log" 2>&1 &
started+=("$!")
wait_until 20 as_nobody xscreensaver-command -time >/dev/null 2>&1 || fail "the daemon did not start"
as_nobody xscreensaver-command -activate >/dev/null 2>&1 || fail "xscreensaver-command -activate failed"
# The packaged program, running in the window the daemon names; its id in saver_pid. Other tests may
# run their own quorrel as the same user at the same time.
started_by_daemon() {
    local pid
    for pid in $(pgrep -u 65534 -x quorrel); do
        if [ "$(readlink "/proc/$pid/exe")" = "$program" ] &&
            tr '\0' '\n' <"/proc/$pid/environ" | grep -q '^XSCREENSAVER_WINDOW=.'; then
            saver_pid=$pid
            started+=("$pid")
            return 0
        fi
    done
    return 1
}
wait_until 20 started_by_daemon || fail "the daemon did not start $program: $(cat "$WORK/daemon.log")"
as_nobody xscreensaver-command -exit >/dev/null 2>&1 || fail "xscreensaver-command -exit failed"
ended() {
    local state
    ! state=$(ps -o stat= -p "$saver_pid") || [[ $state == Z* ]]
}
wait_until 10 ended || fail "quorrel still runs after the daemon ended"

dpkg -r quorrel >"$WORK/dpkg.log" 2>&1 || fail "dpkg -r: $(cat "$WORK/dpkg.log")"
installed=false
while read -r path; do
    [ -d "$path" ] || [ ! -e "$path" ] || fail "$path is left after dpkg -r"
done <"$WORK/listed"
[ ! -e /usr/share/doc/quorrel ] || fail "/usr/share/doc/quorrel is left after dpkg -r"
