#!/usr/bin/env bash
# quorrel -root on a 1920 x 1080 virtual display: its processor use at the default pacing (60 frames
# per second) over SECONDS_TO_RUN seconds (default 10), then the frame rate it reaches unpaced
# (-delay 0, counted by quorrel-fps, the same program with a frame counter).
set -euo pipefail
cd "$(dirname "$0")/.."
duration=${SECONDS_TO_RUN:-10}
build=build/native

cmake --preset native >/dev/null
cmake --build --preset native --target quorrel quorrel-fps >/dev/null

WORK=$build/bench-x11
rm -rf "$WORK"
mkdir -p "$WORK"
source tests/x11/virtual_display.sh
start_display 1920x1080x24

# User and system clock ticks a process has used so far.
ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

"$build/bin/quorrel" -root &
quorrel=$!
started+=("$quorrel")
sleep 1  # start-up is left out
q0=$(ticks "$quorrel") x0=$(ticks "$xvfb_pid") t0=$(date +%s%N)
sleep "$duration"
q1=$(ticks "$quorrel") x1=$(ticks "$xvfb_pid") t1=$(date +%s%N)
kill -TERM "$quorrel"
wait "$quorrel"

"$build/bench/quorrel-fps" -root -delay 0 >"$WORK/frames" &
fps=$!
started+=("$fps")
sleep 5
kill -TERM "$fps"
wait "$fps"

awk -v q=$((q1 - q0)) -v x=$((x1 - x0)) -v hz="$(getconf CLK_TCK)" -v ns=$((t1 - t0)) -F'[= ]' '
  {
    seconds = ns / 1e9
    printf "quorrel -root, 1920x1080, default pacing: %.1f %% of one core over %.1f s (the X server: %.1f %%)\n",
      100 * q / hz / seconds, seconds, 100 * x / hz / seconds
    printf "quorrel -root, 1920x1080, unpaced: %.0f frames per second (%d frames in %.1f s)\n",
      $2 * 1000 / $4, $2, $4 / 1000
  }' <(tail -n 1 "$WORK/frames")
