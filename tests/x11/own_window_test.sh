#!/usr/bin/env bash
# quorrel without a target opens its own 640 x 480 window "Quorrel", which names quorrel's process;
# Esc or q, typed through the X server, or a window manager's close request end it with code 0, and a
# client message of another type does not.
source "$(dirname "$0")/x11_fixture.sh"

"$QUORREL_FRAME" --seed 42 --time-ms 5000 --format bgra --out "$WORK/frame.bgra"
convert -size 640x480 -depth 8 "bgra:$WORK/frame.bgra" -alpha off -sample 200% "rgb:$WORK/frame2x.rgb"

start_display 1280x1024x24
# Mapped: its properties are all set by then.
own_window() {
    own=$(xdotool search --onlyvisible --name '^Quorrel$' 2>/dev/null) && [ -n "$own" ]
}

start_quorrel --seed 42 --clock-ms 5000
wait_until 20 own_window || fail "no window titled Quorrel"
[ "$(xprop -id "$own" _NET_WM_PID)" = "_NET_WM_PID(CARDINAL) = $quorrel_pid" ] ||
    fail "the window does not name quorrel's process: $(xprop -id "$own" _NET_WM_PID)"
"$CLOSE_WINDOW" "$own" _QUORREL_TEST_MESSAGE
# The resize comes after the message, so a window that shows the frame at the new size took it.
xdotool windowsize "$own" 1280 960 2>/dev/null || fail "the window went after a message of another type"
wait_until 20 shows "$own" "$WORK/frame2x.rgb" || fail "the window never showed the frame at 1280 x 960"
running "$quorrel_pid" || fail "a message of another type ended quorrel"
"$CLOSE_WINDOW" "$own"
expect_exit "$quorrel_pid" 5 0
wait_until 5 eval '! own_window' || fail "the window outlived quorrel"
for way in Escape q close; do
    start_quorrel
    wait_until 20 own_window || fail "no window titled Quorrel"
    xwininfo -id "$own" | grep -q 'Width: 640' || fail "the window is not 640 wide"
    xwininfo -id "$own" | grep -q 'Height: 480' || fail "the window is not 480 high"
    if [ "$way" = close ]; then
        "$CLOSE_WINDOW" "$own"
    else
        xdotool windowfocus --sync "$own" key "$way"
    fi
    expect_exit "$quorrel_pid" 5 0
    # The next round must not find this run's window.
    wait_until 5 eval '! own_window' || fail "the window outlived quorrel"
done
