#!/usr/bin/env bash
# quorrel on the root window and in the window XSCREENSAVER_WINDOW names, on the live clock: the
# figure shows in the centre, and SIGTERM or SIGINT end it with code 0.
source "$(dirname "$0")/x11_fixture.sh"

start_display 1280x1024x24
start_quorrel -root
wait_until 20 lit root 640 512 || fail "-root: the centre stayed black"
kill -TERM "$quorrel_pid"
expect_exit "$quorrel_pid" 2 0

start_test_window
XSCREENSAVER_WINDOW=$window start_quorrel
wait_until 20 lit "$window" 320 240 || fail "XSCREENSAVER_WINDOW: the centre stayed black"
kill -INT "$quorrel_pid"
expect_exit "$quorrel_pid" 2 0
