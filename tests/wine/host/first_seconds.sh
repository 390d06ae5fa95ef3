#!/usr/bin/env bash
# The run answers from its first moments with the real renderer: the CD is polled within a second of
# the renderer's window appearing, and a close request to "Vantor_Main" a second later ends the host at
# once while the renderer stays.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"
[ -n "${QUORREL_RENDERER:-}" ] || fail "this test needs the real renderer"

folder=$(make_folder "first seconds" "$QUORREL_RENDERER")
scr=$(winpath "$folder/Quorrel.scr")
printf '[Section]\r\nBGM区分=1\r\n' | iconv -f UTF-8 -t CP932 >"$folder/Quorrel.ini"

# Wine's trace of the host's MCI commands, timed on the driver's clock, comes on the driver's output.
log=$ARTIFACTS/run.txt
WINEDEBUG=-all,+timestamp,+mci drv_bg "$log" start "$scr" /s -- wait-exit 60000
out=$(drv wait-visible Vantor_Render 30000 -- clock -- attach Vantor_Main -- sleep 1000 -- \
  post Vantor_Main WM_CLOSE -- wait-exit 1000)
expect "$out" '^exit code=0$' "the host ended within a second of the close request"
expect "$(drv attach Vantor_Render -- alive 300)" '^alive ' "the renderer stays"

shown=$(field "$(grep -m1 '^clock ' <<<"$out")" ms)
poll=$(grep -m1 -a 'mciSendStringW (L"status cdaudio current track"' "$log" | cut -d: -f1 | tr -d .) ||
  fail "the CD was never polled: $(grep -a -c mci "$log") MCI lines"
echo "first CD poll $((poll - shown)) ms after the renderer's window was seen" | tee "$ARTIFACTS/timings.txt"
[ $((poll - shown)) -lt 1000 ] || fail "the first CD poll came $((poll - shown)) ms after the renderer's window"
