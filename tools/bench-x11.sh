#!/usr/bin/env bash
# quorrel -root on 1920 x 1080 and 3840 x 2160 virtual displays, the X server scaling the frame
# (RENDER) and quorrel's own stretch (QUORREL_OWN_STRETCH), each sending whole frames
# (QUORREL_WHOLE_FRAMES) and only the areas that can have changed, side by side in one run: the
# processor use of quorrel and of the X server at the default pacing (60 frames per second) over
# SECONDS_TO_RUN seconds (default 10), with the frame rate reached and what a DAMAGE client on the root
# window sees redrawn per frame (percent of the screen, and rectangles); then what it sees per second
# over 3 s with the clock stopped (--seed 1 --clock-ms 5000), and the frame rate unpaced (-delay 0)
# over 5 s. Frames are counted by quorrel-fps, the same program with a frame counter.
set -euo pipefail
cd "$(dirname "$0")/.."
duration=${SECONDS_TO_RUN:-10}
build=build/native

cmake --preset native >/dev/null
cmake --build --preset native --target quorrel-fps x11-damage-counter >/dev/null

WORK=$build/bench-x11
rm -rf "$WORK"
mkdir -p "$WORK"
source tests/x11/virtual_display.sh

# User and system clock ticks a process has used so far.
ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# run WAY FRAMES SECONDS ARGS...: quorrel-fps -root ARGS for SECONDS after a second's start-up, the
# DAMAGE client counting meanwhile; sets quorrel_cpu and xserver_cpu (percent of one core), fps,
# damaged (pixels the server redrew) and rectangles.
run() {
    local way=$1 frames=$2 seconds=$3
    shift 3
    local env=()
    [ "$way" = server ] || env+=(QUORREL_OWN_STRETCH=1)
    [ "$frames" = changed ] || env+=(QUORREL_WHOLE_FRAMES=1)
    env "${env[@]}" "$build/bench/quorrel-fps" -root "$@" >"$WORK/frames" &
    local quorrel=$!
    started+=("$quorrel")
    sleep 1  # start-up is left out
    local q0 x0 t0 q1 x1 t1 f0 f1 damage
    q0=$(ticks "$quorrel") x0=$(ticks "$xvfb_pid") t0=$(date +%s%N) f0=$(tail -n 1 "$WORK/frames")
    damage=$("$build/bench/x11-damage-counter" "$seconds")
    q1=$(ticks "$quorrel") x1=$(ticks "$xvfb_pid") t1=$(date +%s%N) f1=$(tail -n 1 "$WORK/frames")
    kill -TERM "$quorrel"
    wait "$quorrel" || true
    read -r quorrel_cpu xserver_cpu fps damaged rectangles < <(awk -v q=$((q1 - q0)) -v x=$((x1 - x0)) \
        -v hz="$(getconf CLK_TCK)" -v ns=$((t1 - t0)) -v f0="$f0" -v f1="$f1" -v damage="$damage" 'BEGIN {
            split(f0, a, "[= ]"); split(f1, b, "[= ]"); split(damage, d, "[= ]")
            s = ns / 1e9
            printf "%.1f %.1f %.1f %.0f %.0f\n", 100 * q / hz / s, 100 * x / hz / s, (b[2] - a[2]) * 1000 / (b[4] - a[4]), d[2], d[4]
        }')
}

printf '%-10s %-7s %-8s %10s %11s %11s %10s %12s %15s %11s %14s %12s\n' display way frames "quorrel %" \
    "X server %" "together %" "paced fps" "ms per frame" "area/frame %" "rects/frame" "stopped px/s" \
    "unpaced fps"
for size in 1920x1080 3840x2160; do
    start_display "${size}x24"
    screen=$((${size%x*} * ${size#*x}))
    for way in server own; do
        for frames in whole changed; do
            run "$way" "$frames" "$duration"
            paced=("$quorrel_cpu" "$xserver_cpu" "$fps" "$damaged" "$rectangles")
            run "$way" "$frames" 3 --seed 1 --clock-ms 5000
            stopped=$((damaged / 3))
            run "$way" "$frames" 5 -delay 0
            printf '%-10s %-7s %-8s %10s %11s %11s %10s %12s %15s %11s %14s %12s\n' "$size" "$way" "$frames" \
                "${paced[0]}" "${paced[1]}" \
                "$(awk -v a="${paced[0]}" -v b="${paced[1]}" 'BEGIN { printf "%.1f", a + b }')" "${paced[2]}" \
                "$(awk -v a="${paced[0]}" -v b="${paced[1]}" -v f="${paced[2]}" 'BEGIN { printf "%.2f", (a + b) * 10 / f }')" \
                "$(awk -v p="${paced[3]}" -v f="${paced[2]}" -v s="$duration" -v n="$screen" 'BEGIN { printf "%.1f", 100 * p / (f * s) / n }')" \
                "$(awk -v r="${paced[4]}" -v f="${paced[2]}" -v s="$duration" 'BEGIN { printf "%.1f", r / (f * s) }')" \
                "$stopped" "$fps"
        done
    done
    kill "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
done
echo "(percent of one core at the default 60 frames per second over $duration s; server: RENDER scales the frame, own: QUORREL_OWN_STRETCH;"
echo " whole: QUORREL_WHOLE_FRAMES; area and rectangles per frame as a DAMAGE client on the root sees them)"
