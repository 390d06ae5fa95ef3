#!/usr/bin/env bash
# Refused input: one line on stderr and exit code 2 for usage errors, 1 for no display, a window id
# that names no window and a visual the frame cannot be copied to.
source "$(dirname "$0")/x11_fixture.sh"

# refused CODE COMMAND...: runs COMMAND, which must end with CODE and say why in one line.
refused() {
    local code=$1 status=0
    shift
    timeout 10 "$@" 2>"$WORK/refusal" || status=$?
    [ "$status" -eq "$code" ] || fail "$*: exit code $status, expected $code"
    [ "$(wc -l <"$WORK/refusal")" -eq 1 ] || fail "$*: not one line: $(cat "$WORK/refusal")"
}

start_display 640x480x24
refused 2 "$QUORREL" -fps
refused 2 "$QUORREL" -root -window-id
refused 2 "$QUORREL" --window-id 12ab
refused 2 "$QUORREL" -delay -1
refused 2 env XSCREENSAVER_WINDOW=none "$QUORREL"
refused 1 env -u DISPLAY "$QUORREL"
refused 1 "$QUORREL" -window-id 0x1fffff00

start_display 640x480x16
refused 1 "$QUORREL" -root
