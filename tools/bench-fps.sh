#!/usr/bin/env bash
# Frames per second of the renderer under Wine on the bench's virtual screen (1024 x 768): the shipped
# frame loop and window module, with a frame counter wrapped around PresentFrame (tests/wine/fps/).
# QUORREL_BUILD_DIR picks the Windows build folder (default build/windows); SECONDS_TO_RUN the length.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${QUORREL_BUILD_DIR:-build/windows}")
duration=${SECONDS_TO_RUN:-12}

cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target quorrel_fps_counter quorrel_driver

bench=$build/wine-fps
driver=$build/tests/wine/driver/quorrel-driver.exe
trap 'bash tests/wine/bench-cleanup.sh "$bench"' EXIT
bash tests/wine/bench-setup.sh "$bench" "$driver" >/dev/null
# shellcheck source=/dev/null
source "$bench/env.sh"

log=$bench/frames.txt
wine "$build/tests/wine/fps/fps-counter.exe" >"$log" 2>&1 </dev/null &
wine "$driver" wait-visible Vantor_Render 10000 >/dev/null
sleep "$duration"
wine "$driver" attach Vantor_Render -- post Vantor_Render WM_CLOSE -- wait-exit 10000 >/dev/null
wait

# The first two seconds (start-up, first paints) are left out.
awk -F'[= ]' '
  $1 == "frames" && $4 >= 2000 { if (!first) { f0 = $2; t0 = $4; first = 1 } f1 = $2; t1 = $4 }
  END {
    if (!first || t1 == t0) { print "bench-fps: too few reports" > "/dev/stderr"; exit 1 }
    printf "renderer under Wine, 1024x768 virtual screen: %.1f frames per second (%d frames in %.1f s)\n",
      (f1 - f0) * 1000 / (t1 - t0), f1 - f0, (t1 - t0) / 1000
  }' "$log"
