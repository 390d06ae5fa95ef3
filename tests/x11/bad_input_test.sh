#!/usr/bin/env bash
# Refused input: one line on stderr and exit code 2 for usage errors, 1 for no display, a window id
# that names no window and a window the frame cannot be drawn in, named for what it is.
source "$(dirname "$0")/x11_fixture.sh"

# refused CODE WORDS COMMAND...: runs COMMAND, which must end with CODE and say why in one line
# containing WORDS.
refused() {
    local code=$1 words=$2 status=0
    shift 2
    timeout 10 "$@" 2>"$WORK/refusal" || status=$?
    [ "$status" -eq "$code" ] || fail "$*: exit code $status, expected $code"
    [ "$(wc -l <"$WORK/refusal")" -eq 1 ] || fail "$*: not one line: $(cat "$WORK/refusal")"
    grep -qF -- "$words" "$WORK/refusal" || fail "$*: '$(cat "$WORK/refusal")' does not say '$words'"
}

start_display 640x480x24
refused 2 "'-frame-rate'" "$QUORREL" -frame-rate
refused 2 "-window-id needs a value" "$QUORREL" -root -window-id
refused 2 "'12ab'" "$QUORREL" --window-id 12ab
refused 2 "'-1'" "$QUORREL" -delay -1
refused 2 "XSCREENSAVER_WINDOW: 'none'" env XSCREENSAVER_WINDOW=none "$QUORREL"
refused 1 "cannot open display" env -u DISPLAY "$QUORREL"
refused 1 "cannot open display ':99999'" "$QUORREL" -display :99999
refused 1 "no window 0x1fffff00" "$QUORREL" -window-id 0x1fffff00
start_test_window --input-only
refused 1 "InputOnly" "$QUORREL" -window-id "$window"

start_display 640x480x8
refused 1 "PseudoColor" "$QUORREL" -root
start_display 640x480x24 -cc 5
refused 1 "DirectColor" "$QUORREL" -root

# --help is no refusal: the usage on standard output.
"$QUORREL" --help >"$WORK/help" 2>"$WORK/quorrel.err" || fail "--help: exit code $?"
grep -q '^usage: quorrel ' "$WORK/help" || fail "--help printed no usage"
[ ! -s "$WORK/quorrel.err" ] || fail "--help wrote to standard error"
