#!/usr/bin/env bash
# The window module from inside its own process (render-probe.exe): what is left alone when no window
# can be made, the system menu items, the cursor, paints before and after the first frame, and where
# the frame's rows and colour bytes land on the screen.
source "$(dirname "$0")/renderer_lib.sh"
: "${QUORREL_RENDER_PROBE:?path of render-probe.exe}"

for failure in class-taken window-refused; do
  drv set-screensaver 1 >/dev/null
  out=$(wine "$QUORREL_RENDER_PROBE" "$failure" </dev/null 2>&1 | tee "$ARTIFACTS/$failure.txt")
  expect "$out" '^create result=0$' "$failure: no window, the run ends"
  expect "$out" '^window exists=0$' "$failure: no window"
  expect "$out" '^cursor count=-1$' "$failure: the cursor hidden once all the same"
  expect "$out" '^screensaver active=1$' "$failure: the screen saver left alone"
done

drv set-screensaver 1 >/dev/null
wine "$QUORREL_RENDER_PROBE" show >"$ARTIFACTS/show.txt" 2>&1 </dev/null &
BENCH_BACKGROUND+=($!)
wait_line "$ARTIFACTS/show.txt" '^presented ' 10 >/dev/null
out=$(cat "$ARTIFACTS/show.txt")
expect "$out" '^create result=1$' "the window made"
expect "$out" '^cursor count=-1$' "the cursor hidden once"
expect "$out" '^screensaver active=0$' "the screen saver off"
menu=$(grep '^menu ' <<<"$out" | tail -n 3)
expect "$menu" '^menu index=([0-9]+) of=([0-9]+) id=0x401 state=0x0 text=Zoom 1 x 1$' "Zoom 1 x 1"
expect "$menu" '^menu .* id=0x402 state=0x0 text=Zoom 2 x 2$' "Zoom 2 x 2"
expect "$menu" '^menu .* id=0x404 state=0x0 text=Zoom 4 x 4$' "Zoom 4 x 4"
[ "$(head -n1 <<<"$menu" | sed 's/.* id=\(0x40.\) .*/\1/')" = 0x401 ] || fail "zoom items appended in order: $menu"
last=$(tail -n1 <<<"$menu")
[ "$(field "$last" index)" -eq $(($(field "$last" of) - 1)) ] || fail "zoom items at the end of the menu: $menu"
expect "$out" '^early-paint result=0 still-invalid=1$' "a paint before the first frame draws and validates nothing"
expect "$out" '^presented still-invalid=0 ' "a presented frame leaves nothing to paint"
expect "$out" ' other-window-message-kept=1$' "messages of other windows left in the queue"

# Quarters red, green / blue, white in the frame: the same on screen, stretched over the window.
rect=$(expected_rect)
IFS=, read -r _ _ width height <<<"$rect"
shown "the frame's quarters on the screen" "$(pixel_is "$((width / 4)) $((height / 4))" 255,0,0)" \
  "$(pixel_is "$((width * 3 / 4)) $((height / 4))" 0,255,0)" "$(pixel_is "$((width / 4)) $((height * 3 / 4))" 0,0,255)" \
  "$(pixel_is "$((width * 3 / 4)) $((height * 3 / 4))" 255,255,255)"
screenshot quarters >/dev/null

close_renderer_with post Vantor_Render WM_SYSCOMMAND SC_CLOSE
