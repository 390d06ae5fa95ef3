#!/usr/bin/env bash
# /s: the host starts the renderer from its own folder by full path, hides itself in "Vantor_Main",
# and ends with the renderer's window.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder "実行 フォルダ" "$(renderer)")
scr=$(winpath "$folder/Quorrel.scr")

for arguments in /s ""; do
  log=$ARTIFACTS/run${arguments//\//_}.txt
  drv_bg "$log" start "$scr" $arguments -- wait-exit 60000
  out=$(drv wait-window Vantor_Render 30000 -- window Vantor_Main)
  expect "$out" '^window .* visible=0 .*text=Vantor_Main$' "the hidden run form for \"$arguments\""
  expect "$(drv attach Vantor_Render -- alive 500)" '^alive ' "the renderer still runs"
  # Clock readings: Esc sent, the renderer's window gone, the host's window gone, the host's end.
  out=$(drv attach Vantor_Main -- clock -- key Vantor_Render VK_ESCAPE -- wait-no-window Vantor_Render 5000 -- \
    clock -- wait-no-window Vantor_Main 5000 -- clock -- wait-exit 5000 -- clock)
  host_exits "$out"
  mapfile -t clock < <(grep '^clock ' <<<"$out" | sed 's/.*ms=//')
  printf '"%s": after Esc the renderer window went in %d ms, the host window %d ms later, its process %d ms later\n' \
    "$arguments" $((clock[1] - clock[0])) $((clock[2] - clock[1])) $((clock[3] - clock[2])) | tee -a "$ARTIFACTS/timings.txt"
  wait_line "$log" '^exit code=0$' 5 >/dev/null
  drv wait-no-window Vantor_Render 5000 >/dev/null
done
