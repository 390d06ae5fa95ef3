#!/usr/bin/env bash
# Refused input: one line on stderr and exit code 2 for usage errors, 1 for no display, a window id
# that names no window and a visual the frame cannot be copied to.
source "$(dirname "$0")/x11_fixture.sh"

# refused CODE WHY COMMAND...: runs COMMAND, which must end with CODE and say why in one line that
# begins "quorrel: WHY" (WHY a shell pattern).
refused() {
    local code=$1 why=$2 status=0
    shift 2
    timeout 10 "$@" 2>"$WORK/refusal" || status=$?
    [ "$status" -eq "$code" ] || fail "$*: exit code $status, expected $code"
    [ "$(wc -l <"$WORK/refusal")" -eq 1 ] || fail "$*: not one line: $(cat "$WORK/refusal")"
    case "$(cat "$WORK/refusal")" in
        quorrel:\ $why*) ;;
        *) fail "$*: says '$(cat "$WORK/refusal")', expected 'quorrel: $why'" ;;
    esac
}

start_display 640x480x24
refused 2 "unknown option '-fps'; usage: quorrel" "$QUORREL" -fps
refused 2 "-window-id needs a value" "$QUORREL" -root -window-id
refused 2 "--window-id: '12ab' is no 32-bit count" "$QUORREL" --window-id 12ab
refused 2 "-delay: '-1' is no 32-bit count" "$QUORREL" -delay -1
refused 2 "XSCREENSAVER_WINDOW: 'none' is no window id" env XSCREENSAVER_WINDOW=none "$QUORREL"
refused 1 "cannot open display" env -u DISPLAY "$QUORREL"
refused 1 "no window 0x1fffff00" "$QUORREL" -window-id 0x1fffff00

start_display 640x480x16
refused 1 "window 0x* is not 24 or 32-bit TrueColor" "$QUORREL" -root
