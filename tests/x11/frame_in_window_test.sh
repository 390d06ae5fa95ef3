#!/usr/bin/env bash
# quorrel in a window a daemon made: the frame tool's frame byte for byte, each frame pixel a 2 x 2
# block after the window grows to 1280 x 960, and the end of the run when the window is destroyed;
# then the same frame through plain XPutImage, from a display without shared memory.
source "$(dirname "$0")/x11_fixture.sh"

start_display 1280x1024x24
"$QUORREL_FRAME" --seed 42 --time-ms 5000 --format bgra --out "$WORK/frame.bgra"
convert -size 640x480 -depth 8 "bgra:$WORK/frame.bgra" -alpha off "rgb:$WORK/frame.rgb"
convert -size 640x480 -depth 8 "bgra:$WORK/frame.bgra" -alpha off -sample 200% "rgb:$WORK/frame2x.rgb"

start_test_window
start_quorrel -window-id "$window" --seed 42 --clock-ms 5000
wait_until 20 shows "$window" "$WORK/frame.rgb" || fail "the window never showed the frame tool's frame"

xdotool windowsize "$window" 1280 960
wait_until 20 shows "$window" "$WORK/frame2x.rgb" || fail "the 1280 x 960 window never showed 2 x 2 blocks"

# Ending the window's client makes the server destroy the window.
kill "$window_pid"
expect_exit "$quorrel_pid" 5 0

start_display 640x480x24 -extension MIT-SHM
start_test_window
start_quorrel -window-id "$window" --seed 42 --clock-ms 5000
wait_until 20 shows "$window" "$WORK/frame.rgb" || fail "without MIT-SHM the window never showed the frame"
