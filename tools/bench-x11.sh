#!/usr/bin/env bash
# quorrel -root on 1920 x 1080 and 3840 x 2160 virtual displays, the X server scaling the frame
# (RENDER) and quorrel's own stretch (QUORREL_OWN_STRETCH) side by side: the processor use of quorrel
# and of the X server at the default pacing (60 frames per second) over SECONDS_TO_RUN seconds
# (default 10), with the frame rate reached, then the frame rate unpaced (-delay 0) over 5 s. Frames
# are counted by quorrel-fps, the same program with a frame counter.
set -euo pipefail
cd "$(dirname "$0")/.."
duration=${SECONDS_TO_RUN:-10}
build=build/native

cmake --preset native >/dev/null
cmake --build --preset native --target quorrel-fps >/dev/null

WORK=$build/bench-x11
rm -rf "$WORK"
mkdir -p "$WORK"
source tests/x11/virtual_display.sh

# User and system clock ticks a process has used so far.
ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# run WAY SECONDS ARGS...: quorrel-fps -root ARGS for SECONDS after a second's start-up; sets
# quorrel_cpu and xserver_cpu (percent of one core) and fps.
run() {
    local way=$1 seconds=$2
    shift 2
    if [ "$way" = own ]; then
        QUORREL_OWN_STRETCH=1 "$build/bench/quorrel-fps" -root "$@" >"$WORK/frames" &
    else
        "$build/bench/quorrel-fps" -root "$@" >"$WORK/frames" &
    fi
    local quorrel=$!
    started+=("$quorrel")
    sleep 1  # start-up is left out
    local q0 x0 t0 q1 x1 t1 f0 f1
    q0=$(ticks "$quorrel") x0=$(ticks "$xvfb_pid") t0=$(date +%s%N) f0=$(tail -n 1 "$WORK/frames")
    sleep "$seconds"
    q1=$(ticks "$quorrel") x1=$(ticks "$xvfb_pid") t1=$(date +%s%N) f1=$(tail -n 1 "$WORK/frames")
    kill -TERM "$quorrel"
    wait "$quorrel" || true
    read -r quorrel_cpu xserver_cpu fps < <(awk -v q=$((q1 - q0)) -v x=$((x1 - x0)) -v hz="$(getconf CLK_TCK)" \
        -v ns=$((t1 - t0)) -v f0="$f0" -v f1="$f1" 'BEGIN {
            split(f0, a, "[= ]"); split(f1, b, "[= ]")
            s = ns / 1e9
            printf "%.1f %.1f %.1f\n", 100 * q / hz / s, 100 * x / hz / s, (b[2] - a[2]) * 1000 / (b[4] - a[4])
        }')
}

printf '%-10s %-7s %10s %11s %11s %10s %12s %12s\n' display way "quorrel %" "X server %" "together %" "paced fps" "ms per frame" "unpaced fps"
for size in 1920x1080 3840x2160; do
    start_display "${size}x24"
    for way in server own; do
        run "$way" "$duration"
        paced=("$quorrel_cpu" "$xserver_cpu" "$fps")
        run "$way" 5 -delay 0
        # Processor time of both per frame shown: the fair comparison where the machine keeps a way below 60.
        printf '%-10s %-7s %10s %11s %11s %10s %12s %12s\n' "$size" "$way" "${paced[0]}" "${paced[1]}" \
            "$(awk -v a="${paced[0]}" -v b="${paced[1]}" 'BEGIN { printf "%.1f", a + b }')" "${paced[2]}" \
            "$(awk -v a="${paced[0]}" -v b="${paced[1]}" -v f="${paced[2]}" 'BEGIN { printf "%.2f", (a + b) * 10 / f }')" "$fps"
    done
    kill "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
done
echo "(percent of one core at the default 60 frames per second over $duration s; server: RENDER scales the frame, own: QUORREL_OWN_STRETCH)"
