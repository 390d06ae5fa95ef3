# Real mouse input on the dialog: the faces of each button state, a press dragged off raising no Click,
# and the music kind chosen by pressing a mark or its caption.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

rm -f "$INI"
open_dialog /c
away=$(panel_at 300 8)  # the panel's own surface, no control under it

mouse_to $(button_centre $CMD_SET)
shot=$(screenshot 1_highlight)
expect_face "$shot" $CMD_SET $RING2_HIGHLIGHT $ROW4_SHADE_ON_TOP "pointer over"
expect_face "$shot" $CMD_CAN $RING2_NORMAL $ROW4_LIGHT_ON_TOP "other button"

press $(button_centre $CMD_SET)
shot=$(screenshot 2_pressed)
expect_face "$shot" $CMD_SET $RING2_PRESSED $ROW4_SHADE_ON_TOP "pressed"

mouse_to $away
shot=$(screenshot 3_dragged_off)
expect_face "$shot" $CMD_SET $RING2_SELECTED $ROW4_LIGHT_ON_TOP "dragged off while held (focus kept)"

mouse_to $(button_centre $CMD_SET)
shot=$(screenshot 4_back_while_held)
expect_face "$shot" $CMD_SET $RING2_SELECTED $ROW4_LIGHT_ON_TOP "back over it, still held"

mouse_to $away
release
drv window "$TITLE" >/dev/null || fail "a release off the button closed the dialog"
[ ! -e "$INI" ] || fail "a release off the button stored the settings"

mouse_to $(button_centre $CMD_SET)
shot=$(screenshot 5_highlight_select)
expect_face "$shot" $CMD_SET $RING2_HIGHLIGHT $ROW4_LIGHT_ON_TOP "focus and pointer over"
mouse_to $away
shot=$(screenshot 6_selected)
expect_face "$shot" $CMD_SET $RING2_SELECTED $ROW4_LIGHT_ON_TOP "focus, pointer gone"

# Kinds: the caption "音楽CD", then the mark of "MP3、WAV" with the right button, then the caption "無し".
click_at $(panel_at 48 62)
shot=$(screenshot 7_cd)
expect_mark "$shot" 1 1
expect_mark "$shot" 0 0
expect_repeat_enabled 1
expect_colour "$shot" "$(button_at $CMD_BGM 1 10)" $RING1_DISABLE 0 '"..." disabled for the CD'
expect_face "$shot" $CMD_SET $RING2_NORMAL $ROW4_LIGHT_ON_TOP "focus moved to the panel"

click_at $(panel_at 26 102) 3
shot=$(screenshot 8_file)
expect_mark "$shot" 2 1
expect_mark "$shot" 1 0
expect_repeat_enabled 0
expect_colour "$shot" "$(button_at $CMD_BGM 1 10)" $RING1_FRAME 0 '"..." enabled for a file'

mouse_to $(button_at $CMD_BGM 14 10)
shot=$(screenshot 9_small_button_highlight)
expect_colour "$shot" "$(button_at $CMD_BGM 2 10)" $RING2_HIGHLIGHT 0 "29 x 21 button, pointer over"
expect_colour "$shot" "$(button_at $CMD_BGM 26 18)" $RING2_HIGHLIGHT 0 "29 x 21 button, far corner"

click_at $(panel_at 40 82)
shot=$(screenshot 10_none)
expect_mark "$shot" 0 1
expect_mark "$shot" 2 0
expect_repeat_enabled 0

click_at $(button_centre $CMD_CAN)
wait_closed
[ ! -e "$INI" ] || fail "ｷｬﾝｾﾙ stored the settings"
