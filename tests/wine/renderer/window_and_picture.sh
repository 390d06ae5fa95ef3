#!/usr/bin/env bash
# The renderer's window as another program sees it, the picture in it, and the input that must not end
# it; Esc on the real (virtual) keyboard then ends it.
source "$(dirname "$0")/renderer_lib.sh"

drv set-screensaver 1 >/dev/null
rect=$(expected_rect)
window=$(start_renderer)
expect "$window" ' class=Vantor_Render ' "window class Vantor_Render"
expect "$window" ' style=0x96000000 ' "a visible WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN window"
expect "$window" ' classstyle=0x23 ' "class style CS_HREDRAW | CS_VREDRAW | CS_OWNDC"
expect "$window" " rect=$rect " "the maximised size plus a caption, at the corner"
expect "$window" ' text=Vantor_Render$' "title Vantor_Render"
expect "$(drv wait-screensaver 0 3000)" '^screensaver active=0$' "the screen saver off while it runs"

# The figure: bright in the middle, black in the corners, colours moving on.
IFS=, read -r _ _ width height <<<"$rect"
centre="80x80+$((width / 2 - 40))+$((height / 2 - 40))"
# The window is shown before its first frame is drawn, and on a busy machine that frame can come long
# after: the pictures are taken once the figure's middle, lit in every frame, is on the screen.
shown "the first frame" "$(pixel_not "$((width / 2)) $((height / 2))" 0,0,0)"
# Mean colour of the figure's area as shares of 1000 of its brightness: the hue, not the shape.
hue() {
  convert "$1" -crop 600x600+212+100 +repage \
    -format '%[fx:int(1000*mean.r/(mean.r+mean.g+mean.b))] %[fx:int(1000*mean.g/(mean.r+mean.g+mean.b))]' info:
}
first=$(screenshot figure-1)
read -r r1 g1 <<<"$(hue "$first")"
# hue_moved: a later picture whose hue lies far enough from the first one's.
hue_moved() {
  second=$(screenshot figure-2)
  read -r r2 g2 <<<"$(hue "$second")"
  [ $(((r1 - r2) * (r1 - r2) + (g1 - g2) * (g1 - g2))) -ge 25 ]
}
wait_until 20 hue_moved || fail "the colours did not change between $first and $second"
echo "hue (red, green shares) $r1 $g1 -> $r2 $g2"
for shot in "$first" "$second"; do
  [ "$(region_mean "$shot" "$centre")" -ge 100 ] || fail "no bright centre in $shot"
  for corner in 100x100+0+0 100x100+924+0 100x100+0+668 100x100+924+668; do
    [ "$(region_mean "$shot" "$corner")" -le 3 ] || fail "corner $corner not black in $shot"
  done
done
# Other keys and mouse clicks, posted and from the virtual keyboard and mouse, change nothing: the
# renderer must stay alive for a second after each.
drv attach Vantor_Render -- key Vantor_Render VK_SPACE VK_RETURN A Q VK_F1 VK_TAB VK_LEFT \
  -- click Vantor_Render 100 100 -- click Vantor_Render 500 400 right -- alive 1000 >/dev/null
xdotool mousemove 300 300 click 1 click 3 key space Return a F4
drv attach Vantor_Render -- alive 1000 >/dev/null
expect "$(drv window Vantor_Render)" " rect=$rect " "the window unchanged by keys and clicks"

# Esc from the keyboard, while a driver holds the process to read its exit code.
drv_bg "$ARTIFACTS/esc.txt" attach Vantor_Render -- wait-exit 10000 -- wait-no-window Vantor_Render 2000
wait_line "$ARTIFACTS/esc.txt" '^attached ' 10 >/dev/null
xdotool key Escape
wait_line "$ARTIFACTS/esc.txt" '^(gone|error) ' 15 >/dev/null
out=$(cat "$ARTIFACTS/esc.txt")$'\n'$(drv screensaver)  # read by a fresh driver, see renderer_lib.sh
expect "$out" '^exit code=0$' "exit code 0 after Esc"
expect "$out" '^gone Vantor_Render$' "no window after Esc"
expect "$out" '^screensaver active=1$' "the screen saver on again after Esc"
