#!/usr/bin/env bash
# Frames per second of the renderer under Wine: the shipped frame loop and window module, with a frame
# counter wrapped around PresentFrame (tests/wine/fps/). Side by side: the bench's virtual screen
# (1024 x 768), then one monitor and two monitors side by side, each a bench of its own.
# QUORREL_BUILD_DIR picks the Windows build folder (default build/windows); SECONDS_TO_RUN the length.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${QUORREL_BUILD_DIR:-build/windows}")
duration=${SECONDS_TO_RUN:-12}

cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target quorrel_fps_counter quorrel_driver

driver=$build/tests/wine/driver/quorrel-driver.exe
bench=
trap '[ -z "$bench" ] || bash tests/wine/bench-cleanup.sh "$bench"' EXIT

# measure LABEL [MONITOR_SIZE...]: one line with the frame rate on a fresh bench of those monitors.
measure() {
  local label=$1
  shift
  bench=$build/wine-fps
  bash tests/wine/bench-setup.sh "$bench" "$driver" ja_JP.UTF-8 "$@" >/dev/null
  (
    # shellcheck source=/dev/null
    source "$bench/env.sh"
    log=$bench/frames.txt
    wine "$build/tests/wine/fps/fps-counter.exe" >"$log" 2>&1 </dev/null &
    wine "$driver" wait-visible Vantor_Render 10000 >/dev/null
    sleep "$duration"
    wine "$driver" attach Vantor_Render -- post Vantor_Render WM_CLOSE -- wait-exit 10000 >/dev/null
    wait

    # The first two seconds (start-up, first paints) are left out. The lines end in CR LF: with the CR
    # left on, a count would be compared as text, and 10000 ms would come before 2000.
    awk -F'[= \r]' -v label="$label" '
      $1 == "frames" && $4 >= 2000 { if (!first) { f0 = $2; t0 = $4; first = 1 } f1 = $2; t1 = $4 }
      END {
        if (!first || t1 == t0) { print "bench-fps: too few reports" > "/dev/stderr"; exit 1 }
        printf "%-42s %7.1f frames per second (%d frames in %.1f s)\n", label, (f1 - f0) * 1000 / (t1 - t0),
          f1 - f0, (t1 - t0) / 1000
      }' "$log"
  )
  bash tests/wine/bench-cleanup.sh "$bench"
  bench=
}

echo "renderer under Wine:"
measure "virtual screen 1024x768 (Xvfb)"
measure "one monitor 1280x1024 (Xephyr)" 1280x1024
measure "two monitors 1280x1024 + 1024x768 (Xephyr)" 1280x1024 1024x768
