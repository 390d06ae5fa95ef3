#!/usr/bin/env bash
# quorrel on the root window and in the window XSCREENSAVER_WINDOW names (with -root too: the
# daemon's virtual root), on the live clock: the figure shows in the centre, and SIGTERM or SIGINT end
# it by that signal, as a daemon's own programs end, even while the server does not answer. Also on a
# display of 10-bit channels, and on the display -display names.
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

# A stopped server answers nothing; SIGTERM ends quorrel all the same, unpaced, so mostly waiting on the
# server, and the server frees what it held once it goes on.
start_quorrel -root -delay 0
wait_until 20 lit root 640 512 || fail "-delay 0: the centre stayed black"
kill -STOP "$xvfb_pid"
kill -TERM "$quorrel_pid"
expect_exit "$quorrel_pid" 2 $((128 + 15))
kill -CONT "$xvfb_pid"
wait_until 5 eval '! segment_bytes "$quorrel_pid"' || fail "a shared memory segment outlived quorrel"

start_display 640x480x30
start_quorrel -root
wait_until 20 lit root 320 240 || fail "depth 30: the centre stayed black"
