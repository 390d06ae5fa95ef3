# shellcheck shell=bash
# Sourced by the X11 tests: quorrel, the test window and the frame tool on virtual displays of the
# test's own.
set -euo pipefail
: "${QUORREL:?}" "${QUORREL_FRAME:?}" "${TEST_WINDOW:?}" "${WORK:?}"
# Xlib still holds some allocations at exit; that is no fault of the program's.
export ASAN_OPTIONS=detect_leaks=0

rm -rf "$WORK"
mkdir -p "$WORK"
source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"

# What quorrel said, after a failure's message.
fail_details() {
    [ ! -s "$WORK/quorrel.err" ] || sed 's/^/quorrel: /' "$WORK/quorrel.err"
}

running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]
}

# start_quorrel ARGS...: quorrel in the background; its id in quorrel_pid, its stderr in quorrel.err.
start_quorrel() {
    "$QUORREL" "$@" 2>"$WORK/quorrel.err" &
    quorrel_pid=$!
    started+=("$quorrel_pid")
}

# start_test_window [--input-only]: a 640 x 480 black window of another client; its id in window, the
# client in window_pid.
start_test_window() {
    rm -f "$WORK/window.id"  # an earlier window's id is no answer
    "$TEST_WINDOW" "$@" >"$WORK/window.id" &
    window_pid=$!
    started+=("$window_pid")
    wait_until 10 test -s "$WORK/window.id" || fail "the test window did not appear"
    window=$(cat "$WORK/window.id")
}

# segment_bytes PID: the size of each shared memory segment process PID made that is still there;
# fails when there is none.
segment_bytes() {
    awk -v pid="$1" '$5 == pid { print $4; found = 1 } END { exit !found }' /proc/sysvipc/shm
}

# expect_exit PID SECONDS CODE: the process ends within SECONDS with exit code CODE.
expect_exit() {
    wait_until "$2" eval "! running $1" || fail "process $1 still runs after $2 s"
    local code=0
    wait "$1" || code=$?
    [ "$code" -eq "$3" ] || fail "exit code $code, expected $3"
}

# shows WINDOW FILE: the window's pixels, as 8-bit RGB, are the bytes of FILE.
shows() {
    import -silent -window "$1" -depth 8 "rgb:$WORK/shown.rgb" 2>/dev/null && cmp -s "$WORK/shown.rgb" "$2"
}

# lit WINDOW X Y: the pixel at X, Y is not black.
lit() {
    local rgb
    rgb=$(import -silent -window "$1" -crop "1x1+$2+$3" -depth 8 rgb:- 2>/dev/null | od -An -tu1) || return 1
    [[ $rgb =~ [1-9] ]]
}
