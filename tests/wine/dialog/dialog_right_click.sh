# A right click on a button raises Click but takes no focus: "..." opens the file choice, and once that
# is closed the focus is back on the panel that had it, with "..." showing no face of the focus.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

touch "$ARTIFACTS/sea.wav"
write_ini 2 0 "$(winpath "$ARTIFACTS/sea.wav")"
open_dialog /c
wait_focus Pic_C "on opening"
ring=$(button_at $CMD_BGM 2 10)
xdotool mousemove $(button_centre $CMD_BGM)
wait_pixel over "$ring" $RING2_HIGHLIGHT '"..." under the pointer'
xdotool click 3
drv wait-visible 'ﾌｧｲﾙを開く' 15000 >/dev/null
xdotool key Escape
drv wait-no-window 'ﾌｧｲﾙを開く' 10000 >/dev/null
wait_focus Pic_C "after the right click's file choice"
colour=$(pixel "$(screenshot after)" $ring)
[ "$colour" = $RING2_HIGHLIGHT ] || [ "$colour" = $RING2_NORMAL ] ||
  fail "\"...\" shows $colour after a right click, not a face without the focus"
