#!/usr/bin/env bash
# On a Western system (code page 1252) the host shows its Japanese texts as on a Japanese one: the
# message box holds the Japanese text, read back wide, and the settings dialog looks pixel for pixel
# as it does on the Japanese bench beside it.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

expect "$(drv acp)" '^acp code-page=1252$' "code page 1252"

asset_colour() {
  convert "$(dirname "$0")/../../../assets/$1" -crop "1x1+$2+$3" -depth 8 rgb:- | od -An -tu1 |
    awk '{ print $1 "," $2 "," $3 }'
}
FRAME=$(asset_colour skin_normal.bmp 1 12)
DISABLED_FRAME=$(asset_colour skin_disable.bmp 1 12)

# dialog_picture NAME: opens the settings dialog from a fresh folder on the current bench, waits until
# the window, the panel and every button have painted, saves the client area as $ARTIFACTS/NAME.png
# and closes the dialog.
dialog_picture() {
  local folder out x y conditions=() line l t
  folder=$(make_folder "dialog_$1" "$QUORREL_FAKE_RENDERER")
  xdotool mousemove 0 0  # off the dialog: no button highlighted
  out=$(drv start "$(winpath "$folder/Quorrel.scr")" /c -- wait-visible "<Quorrel>" 20000 -- client-origin last \
    -- children last)
  line=$(grep '^client-origin ' <<<"$out")
  x=$(field "$line" x) y=$(field "$line" y)
  conditions+=("$(pixel_is "$((x + 5)) $((y + 126))" 220,220,250)" "$(pixel_is "$((x + 454)) $((y + 100))" 250,250,250)")
  while read -r line; do
    IFS=, read -r l t _ <<<"$(field "$line" rect)"
    if [ $(($(field "$line" style) & 0x08000000)) != 0 ]; then  # WS_DISABLED: "..." while no file is chosen
      conditions+=("$(pixel_is "$((l + 1)) $((t + 10))" "$DISABLED_FRAME")")
    else
      conditions+=("$(pixel_is "$((l + 1)) $((t + 10))" "$FRAME")")
    fi
  done < <(grep ' class=Vantor.Command ' <<<"$out")
  [ "${#conditions[@]}" -eq 6 ] || fail "four buttons in the dialog: $out"
  shown_within 30000 "the dialog's first paint on the $1 bench" "${conditions[@]}"
  import -display "$DISPLAY" -window root -crop "479x252+$x+$y" +repage "$ARTIFACTS/$1.png"
  drv post "<Quorrel>" WM_CLOSE -- wait-no-window "<Quorrel>" 10000 >/dev/null
}

on_japanese_bench dialog_picture japanese
dialog_picture western
differ=$(compare -metric AE "$ARTIFACTS/japanese.png" "$ARTIFACTS/western.png" "$ARTIFACTS/difference.png" 2>&1 || true)
[ "$differ" = 0 ] || fail "the Western dialog differs from the Japanese one in $differ pixels (difference.png)"

folder=$(make_folder no_renderer none)
log=$ARTIFACTS/box.txt
drv_bg "$log" start "$(winpath "$folder/Quorrel.scr")" /s -- wait-exit 30000
out=$(drv wait-visible "Quorrel (ScreenSaver)" 10000 -- children last)
box_text=$(grep -E '^child .*class=Static .* id=65535 ' <<<"$out") || fail "no text in the box: $out"
expect "$(drv current-text "hwnd=$(field "$box_text" handle)")" \
  '^current-text text=Quorrel.dllが同じﾌｫﾙﾀﾞに見つかりません！$' "the box's text, in Unicode"
button=$(grep -E '^child .*class=Button .*visible=1 .*text=OK$' <<<"$out")
drv send "hwnd=$(field "$button" handle)" BM_CLICK >/dev/null
wait_line "$log" '^exit code=0$' 10 >/dev/null
