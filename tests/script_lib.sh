# shellcheck shell=bash
# Sourced by the Wine and the X11 test scripts and the tools that borrow them: failing with a message,
# waiting for a condition, an Xvfb of the script's own, and ending every process the script started
# (the ids in started), however the script ends.

started=()
end_started() {
    local pid
    for pid in "${started[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    wait "${started[@]}" 2>/dev/null || true
}
trap end_started EXIT
# A signal ends the script through its exit trap, so nothing it started outlives it.
trap 'exit 130' INT
trap 'exit 143' TERM

# fail MESSAGE...: ends the script with the message on stderr, followed by what fail_details prints
# when the script defines it.
fail() {
    echo "FAIL: $*" >&2
    if declare -F fail_details >/dev/null; then
        fail_details >&2 || true
    fi
    exit 1
}

# wait_until SECONDS COMMAND [ARG...]: runs COMMAND (its output dropped) until it succeeds; returns 1
# when it has not within SECONDS. COMMAND must report by its status, not end the script with fail.
wait_until() {
    local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
    shift
    until "$@" >/dev/null 2>&1; do
        ((${EPOCHREALTIME/./} < deadline)) || return 1
        sleep 0.05
    done
}

# start_xvfb FOLDER GEOMETRY [XVFB OPTION...]: an Xvfb on a display number it picks itself, its files
# (display number, log) in FOLDER; its id in xvfb_pid (and in started), its display in xvfb_display
# once it accepts clients. In a session of its own: a signal for the script's terminal is not for it.
# -noreset: a server that resets as its last client leaves drops a client connecting meanwhile, and the
# tests' probes come and go while the program under test connects.
start_xvfb() {
    local folder=$1 geometry=$2 number
    shift 2
    number=$(mktemp "$folder/display.XXXXXX")
    setsid Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset "$@" 3>"$number" >>"$folder/xvfb.log" 2>&1 \
        </dev/null &
    xvfb_pid=$!
    started+=("$xvfb_pid")
    wait_until 10 xvfb_answered "$number" || true
    [ -s "$number" ] || fail "Xvfb did not start: $(cat "$folder/xvfb.log")"
    xvfb_display=":$(head -n1 "$number")"
    rm -f "$number"
}
# Xvfb has written its display number, or has ended.
xvfb_answered() {
    [ -s "$1" ] || ! kill -0 "$xvfb_pid" 2>/dev/null
}
