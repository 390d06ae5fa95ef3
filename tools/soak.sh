#!/usr/bin/env bash
# Long runs: for MINUTES, the X11 program (quorrel -root on a display of its own) and, under Wine, a
# saver run (Quorrel.scr /s with the real renderer) playing a one-second MP3 that the host restarts
# the whole time. Resident memory, file descriptors and threads of each process, and the MCI devices
# the host holds open (the music file's descriptors), at the start and at the end; anything that grows
# fails the run. (Wine counts no handles of another process, so descriptors stand in for them.)
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:?usage: soak.sh MINUTES}

bash tools/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target quorrel >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target quorrel_host quorrel_renderer quorrel_driver host_write_test_mp3 >/dev/null

WORK=$PWD/build/soak
rm -rf "$WORK"
mkdir -p "$WORK"
bench=$WORK/wine-bench
driver=$PWD/build/windows/tests/wine/driver/quorrel-driver.exe
source tests/script_lib.sh
trap 'end_started; bash tests/wine/bench-cleanup.sh "$bench"' EXIT

# usage PID [FILE]: "rss_kB fds threads" of a process, and with FILE how many of its descriptors
# are that file; each the least of five readings half a second apart, so what a moment of playing
# holds (a streaming thread) is not taken for growth.
usage() {
    local i
    for i in 1 2 3 4 5; do
        printf '%s %s %s %s\n' "$(awk '/^VmRSS:/ { print $2 }' "/proc/$1/status")" \
            "$(find "/proc/$1/fd" -mindepth 1 | wc -l)" \
            "$(find "/proc/$1/task" -mindepth 1 -maxdepth 1 | wc -l)" \
            "$(if [ -n "${2:-}" ]; then find "/proc/$1/fd" -mindepth 1 -lname "$2" | wc -l; else echo -; fi)"
        sleep 0.5
    done | sort -n -k1,1 | awk 'NR == 1 { r = $1; f = $2; t = $3; m = $4 }
        { if ($2 < f) f = $2; if ($3 < t) t = $3; if ($4 < m) m = $4 }
        END { print r, f, t, m }'
}

# The Linux process of the soak's own Windows PROGRAM (Quorrel.scr, Quorrel.dll): other benches run
# programs of those names too.
wine_process() {
    local pid
    for pid in $(pgrep -f "$1" || true); do
        if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q -F 'soak\saver\'"$1"; then
            printf '%s\n' "$pid"
            return 0
        fi
    done
    return 1
}

# rewinds PID FILE SECONDS: how often, within SECONDS, the process read FILE from its start (the
# music restarted), seen through the system calls of all its threads.
rewinds() {
    local fd threads
    fd=$(find "/proc/$1/fd" -mindepth 1 -lname "$2" | head -n1)
    [ -n "$fd" ] || { echo 0; return; }
    mapfile -t threads < <(find "/proc/$1/task" -mindepth 1 -maxdepth 1 -printf '-p\n%f\n')
    { timeout "$3" strace -e trace=pread64 "${threads[@]}" 2>&1 || true; } | grep -c "^\(\[pid *[0-9]*\] \)\?pread64(${fd##*/}, .*, 0) " || true
}

start_xvfb "$WORK" 1024x768x24
DISPLAY=$xvfb_display build/native/bin/quorrel -root 2>"$WORK/quorrel.err" &
quorrel=$!
started+=("$quorrel")

bash tests/wine/bench-setup.sh "$bench" "$driver" ja_JP.UTF-8 >"$WORK/bench.log"
(
    source "$bench/env.sh"
    saver=$WORK/saver
    mkdir -p "$saver"
    cp build/windows/bin/Quorrel.scr build/windows/bin/Quorrel.dll "$saver/"
    wine build/windows/tests/wine/host/host_write_test_mp3.exe 'Z:'"${saver//\//\\}"'\one_second.mp3' 39 </dev/null
    printf '[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=%s\r\n' 'Z:'"${saver//\//\\}"'\one_second.mp3' |
        iconv -f UTF-8 -t CP932 >"$saver/Quorrel.ini"
    wine "$driver" start 'Z:'"${saver//\//\\}"'\Quorrel.scr' /s -- wait-window Vantor_Render 60000 </dev/null
) >"$WORK/saver.log" 2>&1 || fail "the saver run did not start: $(cat "$WORK/saver.log")"
mp3=$WORK/saver/one_second.mp3
wait_until 30 wine_process Quorrel.dll || fail "no renderer process"
wait_until 30 wine_process Quorrel.scr || fail "no host process"
host=$(wine_process Quorrel.scr)
renderer=$(wine_process Quorrel.dll)

sleep 20 # start-up, and the first restarts of the music, are left out
read -r q_rss0 q_fds0 q_threads0 _ < <(usage "$quorrel")
read -r h_rss0 h_fds0 h_threads0 h_mci0 < <(usage "$host" "$mp3")
read -r r_rss0 r_fds0 r_threads0 _ < <(usage "$renderer")
sleep $((minutes * 60))
for pid in "$quorrel" "$host" "$renderer"; do
    kill -0 "$pid" 2>/dev/null || fail "process $pid ended during the run"
done
read -r q_rss1 q_fds1 q_threads1 _ < <(usage "$quorrel")
read -r h_rss1 h_fds1 h_threads1 h_mci1 < <(usage "$host" "$mp3")
read -r r_rss1 r_fds1 r_threads1 _ < <(usage "$renderer")
restarted=$(rewinds "$host" "$mp3" 10)

grown=0
# row NAME START END [SLACK]: one measure; more than SLACK (default none) above the start is growth.
row() {
    local verdict=""
    if (($3 > $2 + ${4:-0})); then
        verdict="  GROWS"
        grown=1
    fi
    printf '  %-28s %10s -> %-10s%s\n' "$1" "$2" "$3" "$verdict"
}
echo "soak: $minutes min (after 20 s of start-up)"
echo "quorrel -root (X11):"
row "resident memory, kB" "$q_rss0" "$q_rss1" $((q_rss0 / 20))
row "file descriptors" "$q_fds0" "$q_fds1"
row "threads" "$q_threads0" "$q_threads1"
echo "Quorrel.scr /s, 1 s MP3 restarted (Wine):"
row "resident memory, kB" "$h_rss0" "$h_rss1" $((h_rss0 / 20))
row "file descriptors" "$h_fds0" "$h_fds1"
row "threads" "$h_threads0" "$h_threads1"
row "MCI devices (MP3 open)" "$h_mci0" "$h_mci1"
echo "  the music restarted $restarted times in the last 10 s"
echo "Quorrel.dll, the renderer (Wine):"
row "resident memory, kB" "$r_rss0" "$r_rss1" $((r_rss0 / 20))
row "file descriptors" "$r_fds0" "$r_fds1"
row "threads" "$r_threads0" "$r_threads1"

(
    source "$bench/env.sh"
    wine "$driver" post Vantor_Render WM_CLOSE </dev/null
) >>"$WORK/saver.log" 2>&1 || true
[ "$grown" -eq 0 ] || fail "something grew over the run"
[ "$restarted" -gt 0 ] || fail "the music was not restarted"
