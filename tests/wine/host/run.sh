#!/usr/bin/env bash
# /s: the host starts the renderer from its own folder by full path, hides itself in "Vantor_Main",
# and ends with the renderer's window; the cursor display count is given back.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder "実行 フォルダ" "$(renderer)")
scr=$(winpath "$folder/Quorrel.scr")

for arguments in /s ""; do
  log=$ARTIFACTS/run${arguments//\//_}.txt
  drv_bg "$log" start "$scr" $arguments -- wait-exit 60000
  out=$(drv wait-window Vantor_Render 30000 -- window Vantor_Main)
  expect "$out" '^window .* visible=0 .*text=Vantor_Main$' "the hidden run form for \"$arguments\""
  host_pid=$(field "$(grep -m1 '^window .*text=Vantor_Main$' <<<"$out")" pid)
  expect "$(drv attach Vantor_Render -- alive 500)" '^attached ' "the renderer still runs"
  started=$(date +%s%N)
  drv key Vantor_Render VK_ESCAPE >/dev/null
  wait_line "$log" '^exit code=0$' 5 >/dev/null
  echo "\"$arguments\": host $host_pid ended $(( ($(date +%s%N) - started) / 1000000 )) ms after Esc" | tee -a "$ARTIFACTS/timings.txt"
  drv wait-no-window Vantor_Render 5000 >/dev/null
done
