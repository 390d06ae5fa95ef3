#!/usr/bin/env bash
# The zoom commands: k times the size of a framed window around the 640 x 480 frame, centred on the
# screen (negative positions once larger than the screen).
source "$(dirname "$0")/renderer_lib.sh"

metrics=$(drv metrics)
screen_width=$(field "$metrics" cxscreen)
screen_height=$(field "$metrics" cyscreen)
size=$(field "$(drv adjust-rect 640 480 0x00CF0000)" size)
zoom_width=${size%x*}
zoom_height=${size#*x}

start_renderer >/dev/null
for factor in 2 1 4; do
  width=$((factor * zoom_width))
  height=$((factor * zoom_height))
  x=$(((screen_width - width) >> 1))
  y=$(((screen_height - height) >> 1))
  out=$(drv send Vantor_Render WM_SYSCOMMAND $((0x400 + factor)) -- window Vantor_Render)
  expect "$out" '^sent 0x112 result=0$' "zoom $factor answered with 0"
  expect "$out" " rect=$x,$y,$((x + width)),$((y + height)) size=${width}x$height client=${width}x$height " \
    "Zoom $factor x $factor: ${width}x$height at $x,$y"
  screenshot "zoom-$factor" >/dev/null
done
close_renderer_with post Vantor_Render WM_CLOSE
