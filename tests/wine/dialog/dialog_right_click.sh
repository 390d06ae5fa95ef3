# A right click on a button raises Click but takes no focus: the press leaves the focus on the panel, the
# release opens the file choice of "...", and once that is closed the panel has the focus again and "..."
# shows no face of the focus.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

touch "$ARTIFACTS/sea.wav"
write_ini 2 0 "$(winpath "$ARTIFACTS/sea.wav")"
open_dialog /c
wait_focus Pic_C "on opening"
ring=$(button_at $CMD_BGM 2 10)
xdotool mousemove $(button_centre $CMD_BGM)
shown '"..." under the pointer' "$(pixel_is "$ring" $RING2_HIGHLIGHT)"

# The button captures the mouse once it has handled the press.
captured_by() { [ "$(field "$(drv capture "$TITLE")" id)" = "$1" ]; }
xdotool mousedown 3
wait_until 5 captured_by $CMD_BGM || fail 'the right press never reached "..."'
[ "$(focused_control)" = Pic_C ] || fail "the right press gave the focus to $(focused_control)"
xdotool mouseup 3
drv wait-visible 'ﾌｧｲﾙを開く' 15000 >/dev/null
xdotool key Escape
drv wait-no-window 'ﾌｧｲﾙを開く' 10000 >/dev/null
wait_focus Pic_C "after the right click's file choice"

# The pointer watch may have taken the highlight away while the file choice was up.
face_without_focus() {
  drv wait-pixels 100 "$(pixel_is "$ring" $RING2_HIGHLIGHT)" || drv wait-pixels 100 "$(pixel_is "$ring" $RING2_NORMAL)"
}
wait_until 5 face_without_focus || fail "\"...\" shows a face of the focus (see $(screenshot after))"
