# shellcheck shell=bash
# Sourced by the tests under real screen-saver daemons, after x11_fixture.sh: the daemons run as an
# unprivileged user (xscreensaver refuses to start programs as root) with a home of the test's own,
# and find quorrel on the PATH.
: "${QUORREL:?}"
daemon_home=$WORK/home
mkdir -p "$daemon_home"
quorrel_exe=$(readlink -f "$QUORREL")

# "${as_user[@]}" COMMAND...: COMMAND as nobody, with the test's home and quorrel's folder first on the
# PATH; in the background, $! is COMMAND's own id.
as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups
    env HOME="$daemon_home" PATH="$(dirname "$quorrel_exe"):/usr/bin:/bin")

# give_home: the home to the user, once its files are written.
give_home() {
    chown -R 65534:65534 "$daemon_home"
    "${as_user[@]}" test -x "$quorrel_exe" -a -w "$daemon_home" ||
        fail "nobody cannot reach $quorrel_exe or $daemon_home: the build's folders must be open to other users"
}

# quorrel_pids: the processes of this quorrel that run now on this test's display; another daemon test
# running meanwhile starts the same program as the same user.
quorrel_pids() {
    local pid
    for pid in $(pgrep -u 65534 -x quorrel); do
        [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$quorrel_exe" ] && on_this_display "$pid" &&
            running "$pid" && echo "$pid"
    done
    return 0
}

# on_this_display PID: the process's DISPLAY is this test's, to which a daemon may add the screen.
on_this_display() {
    local display
    display=$(tr '\0' '\n' <"/proc/$1/environ" 2>/dev/null | sed -n 's/^DISPLAY=//p')
    [ "$display" = "$DISPLAY" ] || [ "${display%.*}" = "$DISPLAY" ]
}

no_quorrel_left() {
    [ -z "$(quorrel_pids)" ]
}

# screen_shows FILE FUZZ: the whole screen, as 8-bit RGB, is FILE's 1280 x 960 picture, each channel
# within FUZZ (a percentage; 0 for exact).
screen_shows() {
    import -silent -window root -depth 8 "rgb:$WORK/screen.rgb" 2>/dev/null || return 1
    [ "$(compare -metric AE -fuzz "$2%" -size 1280x960 -depth 8 "rgb:$WORK/screen.rgb" "rgb:$1" null: 2>&1)" = 0 ]
}
