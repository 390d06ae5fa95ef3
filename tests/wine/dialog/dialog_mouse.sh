# Real mouse input on the dialog: the faces of each button state, a press dragged off raising no Click,
# and the music kind chosen by pressing a mark or its caption.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

rm -f "$INI"
open_dialog /c
away=$(panel_at 300 8)  # the panel's own surface, no control under it

mouse_to $(button_centre $CMD_SET)
shown "pointer over; other button" $(face $CMD_SET $RING2_HIGHLIGHT $ROW4_SHADE_ON_TOP) \
  $(face $CMD_CAN $RING2_NORMAL $ROW4_LIGHT_ON_TOP)

press $(button_centre $CMD_SET)
shown "pressed" $(face $CMD_SET $RING2_PRESSED $ROW4_SHADE_ON_TOP)

mouse_to $away
shown "dragged off while held (focus kept)" $(face $CMD_SET $RING2_SELECTED $ROW4_LIGHT_ON_TOP)

# Back over it while held the face stays: nothing may change for five rounds of the pointer watch.
mouse_to $(button_centre $CMD_SET)
still_shown 500 "back over it, still held" $(face $CMD_SET $RING2_SELECTED $ROW4_LIGHT_ON_TOP)

mouse_to $away
release
# The button takes in the release (it lets the mouse go); then nothing may follow from it for a while.
drv wait-capture "$TITLE" 0 10000 -- attach "$TITLE" -- alive 500 >/dev/null ||
  fail "a release off the button closed the dialog"
drv window "$TITLE" >/dev/null || fail "a release off the button closed the dialog"
[ ! -e "$INI" ] || fail "a release off the button stored the settings"

mouse_to $(button_centre $CMD_SET)
shown "focus and pointer over" $(face $CMD_SET $RING2_HIGHLIGHT $ROW4_LIGHT_ON_TOP)
mouse_to $away
shown "focus, pointer gone" $(face $CMD_SET $RING2_SELECTED $ROW4_LIGHT_ON_TOP)

# Kinds: the caption "音楽CD", then the mark of "MP3、WAV" with the right button, then the caption "無し".
click_at $(panel_at 48 62)
shown "音楽CD chosen, the focus moved to the panel" $(mark 1 1) $(mark 0 0) \
  "$(pixel_is "$(button_at $CMD_BGM 1 10)" $RING1_DISABLE)" $(face $CMD_SET $RING2_NORMAL $ROW4_LIGHT_ON_TOP)
expect_repeat_enabled 1

click_at $(panel_at 26 102) 3
shown "MP3、WAV chosen, \"...\" enabled" $(mark 2 1) $(mark 1 0) "$(pixel_is "$(button_at $CMD_BGM 1 10)" $RING1_FRAME)"
expect_repeat_enabled 0

mouse_to $(button_at $CMD_BGM 14 10)
shown "29 x 21 button, pointer over (and its far corner)" "$(pixel_is "$(button_at $CMD_BGM 2 10)" $RING2_HIGHLIGHT)" \
  "$(pixel_is "$(button_at $CMD_BGM 26 18)" $RING2_HIGHLIGHT)"

click_at $(panel_at 40 82)
shown "無し chosen" $(mark 0 1) $(mark 2 0)
expect_repeat_enabled 0

click_at $(button_centre $CMD_CAN)
wait_closed
[ ! -e "$INI" ] || fail "ｷｬﾝｾﾙ stored the settings"
