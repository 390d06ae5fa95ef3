#!/usr/bin/env bash
# quorrel sends only the areas of each frame that can have changed: after the figure has moved for two
# seconds and then held still (QUORREL_CLOCK_RUN_MS), a window of twice the frame's size shows the frame
# tool's frame of that moment, each pixel a 2 x 2 block, byte for byte.
source "$(dirname "$0")/x11_fixture.sh"

start_display 1280x1024x24
"$QUORREL_FRAME" --seed 42 --time-ms 5000 --format bgra --out "$WORK/frame.bgra"
convert -size 640x480 -depth 8 "bgra:$WORK/frame.bgra" -alpha off -sample 200% "rgb:$WORK/frame2x.rgb"

start_test_window
xdotool windowsize "$window" 1280 960
wait_until 10 eval '[ "$(xwininfo -id "$window" | awk "/Width:/ { print \$2 }")" = 1280 ]' ||
    fail "the test window did not grow"
QUORREL_CLOCK_RUN_MS=2000 start_quorrel -window-id "$window" --seed 42 --clock-ms 5000
sleep 2
wait_until 20 shows "$window" "$WORK/frame2x.rgb" || fail "after the motion the window never showed the frame"
