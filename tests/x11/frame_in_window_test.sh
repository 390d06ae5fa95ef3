#!/usr/bin/env bash
# quorrel in a window a daemon made: the frame tool's frame byte for byte, each frame pixel a 2 x 2
# block after the window grows to 1280 x 960, and the end of the run when the window is destroyed;
# then the same frame through plain XPutImage, from a display without shared memory, and with -fps.
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

# -fps writes its read-out over the frame in the window's bottom left corner, by the server: above
# it the window shows the frame as it is, and the corner does not.
convert -size 640x480 -depth 8 "rgb:$WORK/frame.rgb" -crop 640x440+0+0 "rgb:$WORK/frame_top.rgb"
convert -size 640x480 -depth 8 "rgb:$WORK/frame.rgb" -crop 120x40+0+440 "rgb:$WORK/frame_corner.rgb"
shows_region() {
    import -silent -window "$1" -crop "$2" -depth 8 "rgb:$WORK/region.rgb" 2>/dev/null && cmp -s "$WORK/region.rgb" "$3"
}
kill "$window_pid"
expect_exit "$quorrel_pid" 5 0
start_test_window
start_quorrel -window-id "$window" --seed 42 --clock-ms 5000 -fps
wait_until 20 shows_region "$window" 640x440+0+0 "$WORK/frame_top.rgb" || fail "-fps: the frame above the corner changed"
# Another client's look may fall between a frame and its read-out, so the read-out is waited for.
wait_until 5 eval '! shows_region "$window" 120x40+0+440 "$WORK/frame_corner.rgb"' || fail "-fps: no read-out in the corner"
