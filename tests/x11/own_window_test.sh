#!/usr/bin/env bash
# quorrel without a target opens its own 640 x 480 window "Quorrel"; Esc or q, typed through the X
# server, or a window manager's close request end it with code 0.
source "$(dirname "$0")/x11_fixture.sh"

start_display 1280x1024x24
own_window() {
    own=$(xdotool search --name '^Quorrel$' 2>/dev/null) && [ -n "$own" ]
}
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
