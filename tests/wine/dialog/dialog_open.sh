# "/c" and "/c:520" open "<Quorrel>" without an owner, placed and painted, on the settings in the file;
# a second host started meanwhile ends at once.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

for arg in /c /c:520; do
  rm -f "$INI"
  open_dialog "$arg"
  expect "$DIALOG_LINE" ' class=Vantor_P .* visible=1 ' "a visible dialog"
  expect "$DIALOG_LINE" ' owner=0x0 ' "no owner window"
  expect "$DIALOG_LINE" ' client=479x252 ' "client area of 7185 x 3780 twips"
  style=$(field "$DIALOG_LINE" style)
  [ $((style & 0xCF0000)) = $((0xC80000)) ] || fail "caption and close box only, fixed border: style $style"
  # Centred, a third of the free height from the top (1024 x 768 screen).
  read -r w h < <(field "$DIALOG_LINE" size | tr x ' ')
  read -r left top _ < <(field "$DIALOG_LINE" rect | tr ',' ' ')
  [ "$left" = $(((1024 - w) / 2)) ] || [ "$left" = $(((1024 - w + 1) / 2)) ] || fail "left $left for width $w"
  [ $((top - (768 - h) / 3)) -ge -1 ] && [ $((top - (768 - h) / 3)) -le 1 ] || fail "top $top for height $h"

  # Window: RGB(v, v, v + 30), darkest on the first row; panel: grey v + 30. Marks, normal buttons,
  # "..." disabled.
  shown "the dialog's colours" "$(pixel_is "$(dialog_at 5 0)" 0,0,30)" "$(pixel_is "$(dialog_at 5 126)" 220,220,250)" \
    "$(pixel_is "$(panel_at 440 0)" 30,30,30)" "$(pixel_is "$(panel_at 440 82)" 250,250,250)" \
    $(mark 0 1) $(mark 1 0) $(mark 2 0) \
    $(for id in $CMD_SET $CMD_CAN $CMD_ETC; do face $id $RING2_NORMAL $ROW4_LIGHT_ON_TOP; done) \
    "$(pixel_is "$(button_at $CMD_BGM 1 10)" $RING1_DISABLE)"
  shot=$(screenshot "default${arg//[\/:]/_}")
  expect_repeat_enabled 0
  [ -z "$(repeat_text)" ] || fail "track 0 shows as an empty track box"
  # Captions are drawn: dark text in each label and button.
  for region in "40x13+$((PANEL_X + 36))+$((PANEL_Y + 56))" "20x13+$((PANEL_X + 36))+$((PANEL_Y + 76))" \
                "60x13+$((PANEL_X + 36))+$((PANEL_Y + 96))" "60x13+$((PANEL_X + 136))+$((PANEL_Y + 56))" \
                "20x13+$((PANEL_X + 50))+$((PANEL_Y + 24))"; do
    [ "$(dark_pixels "$shot" "$region")" -gt 10 ] || fail "no caption text in $region"
  done
  for id in $CMD_SET $CMD_CAN $CMD_ETC; do
    read -r l t r b < <(child_rect $id)
    [ "$(dark_pixels "$shot" "$((r - l - 12))x13+$((l + 6))+$((t + 5))")" -gt 10 ] || fail "no caption on button $id"
  done
  drv post "$TITLE" WM_CLOSE >/dev/null
  wait_closed
  [ ! -e "$INI" ] || fail "closing wrote the settings file"
done

# The stored choice shows: the CD with track 7.
write_ini 1 7 ''
open_dialog /c
shown "the CD chosen" $(mark 1 1) $(mark 0 0)
expect_repeat_enabled 1
[ "$(repeat_text)" = 7 ] || fail "track box shows '$(repeat_text)', not 7"

# Covered by another window and uncovered again, the dialog shows its painting as before.
drv_bg "$ARTIFACTS/cover.txt" parent 1000 720 Cover -- wait-file "$(winpath "$ARTIFACTS/uncover")" 30000
wait_line "$ARTIFACTS/cover.txt" '^parent ' 10 >/dev/null
shown "the cover window covers the dialog" "$(pixel_not "$(dialog_at 5 126)" 220,220,250)"
touch "$ARTIFACTS/uncover"
wait "${BENCH_BACKGROUND[-1]}" || true
shown "the painting after being uncovered" "$(pixel_is "$(dialog_at 5 126)" 220,220,250)" \
  "$(pixel_is "$(panel_at 440 82)" 250,250,250)" $(mark 1 1) $(face $CMD_SET $RING2_NORMAL $ROW4_LIGHT_ON_TOP)
shot=$(screenshot uncovered)
[ "$(dark_pixels "$shot" "40x13+$((PANEL_X + 36))+$((PANEL_Y + 56))")" -gt 10 ] || fail "caption gone after being uncovered"

# A second host, of any mode, ends at once while the dialog is open.
for arg in /c /s /p; do
  out=$(drv start "$(winpath "$FOLDER/Quorrel.scr")" "$arg" -- wait-exit 10000)
  expect "$out" '^exit code=0$' "a second host ($arg) ends"
done
[ "$(drv windows | grep -c " text=$TITLE\$")" = 1 ] || fail "one dialog only"
drv post "$TITLE" WM_CLOSE >/dev/null
wait_closed

# A music file: "..." enabled, the path in the file label. This picture is the README's.
mkdir -p "$WINEPREFIX/drive_c/Music"
sox -n -r 22050 -c 1 -b 16 "$WINEPREFIX/drive_c/Music/海の音.wav" synth 1 sine 440
write_ini 2 0 'C:\Music\海の音.wav'
open_dialog /c
shown 'a music file chosen, "..." enabled' $(mark 2 1) "$(pixel_is "$(button_at $CMD_BGM 1 10)" $RING1_FRAME)"
expect_repeat_enabled 0
shot=$(screenshot file_kind)
[ "$(dark_pixels "$shot" "300x12+$((PANEL_X + 70))+$((PANEL_Y + 118))")" -gt 30 ] || fail "no path in the file label"
convert "$shot" -crop "479x252+$DIALOG_X+$DIALOG_Y" +repage "$ARTIFACTS/dialog.png"
drv post "$TITLE" WM_CLOSE >/dev/null
wait_closed
