#!/usr/bin/env bash
# quorrel on the root window and in the window XSCREENSAVER_WINDOW names (with -root too: the
# daemon's virtual root), on the live clock: the figure shows in the centre, and SIGTERM or SIGINT end
# it by that signal, as a daemon's own programs end. Also on a display of 10-bit channels, and on the
# display -display names.
source "$(dirname "$0")/x11_fixture.sh"

start_display 1280x1024x24
# The display named by -display, not by DISPLAY.
display=$DISPLAY
DISPLAY=:nothing XSCREENSAVER_WINDOW= start_quorrel -root -display "$display"
wait_until 20 lit root 640 512 || fail "-root: the centre stayed black"
kill -TERM "$quorrel_pid"
expect_exit "$quorrel_pid" 2 $((128 + 15))

start_test_window
for way in "" -root; do
    XSCREENSAVER_WINDOW=$window start_quorrel $way
    wait_until 20 lit "$window" 320 240 || fail "XSCREENSAVER_WINDOW, '$way': the centre stayed black"
    kill -INT "$quorrel_pid"
    expect_exit "$quorrel_pid" 2 $((128 + 2))
    # Nothing draws there now: the next round starts on black.
    xdotool windowunmap --sync "$window" windowmap --sync "$window"
done

start_display 640x480x30
start_quorrel -root
wait_until 20 lit root 320 240 || fail "depth 30: the centre stayed black"
