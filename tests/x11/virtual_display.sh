# shellcheck shell=bash
# Sourced: virtual X displays of the script's own, waits on conditions with timeouts, and a trap that
# ends every process the script started (the ids in started), however the script ends. WORK names a
# folder for the displays' files.

started=()
end_started() {
    for pid in "${started[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap end_started EXIT

# wait_until SECONDS COMMAND...: succeeds as soon as COMMAND does, fails after SECONDS.
wait_until() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000))
    shift
    until "$@"; do
        (($(date +%s%N) < deadline)) || return 1
        sleep 0.05
    done
}

# start_display GEOMETRY [XVFB OPTION...]: an Xvfb on a display number it picks itself, its id in xvfb_pid; DISPLAY is
# set once it accepts clients.
start_display() {
    local number=$WORK/display.$RANDOM
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp "${@:2}" 3>"$number" 2>>"$WORK/xvfb.log" &
    xvfb_pid=$!
    started+=("$xvfb_pid")
    if ! wait_until 10 test -s "$number"; then
        echo "Xvfb did not start: $(cat "$WORK/xvfb.log")" >&2
        exit 1
    fi
    export DISPLAY=":$(cat "$number")"
}
