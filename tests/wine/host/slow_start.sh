#!/usr/bin/env bash
# A renderer that takes seconds to make its window does not end the run before it has begun.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder slow "$QUORREL_FAKE_RENDERER")
scr=$(winpath "$folder/Quorrel.scr")
log=$ARTIFACTS/run.txt
QUORREL_FAKE_RENDERER_DELAY_MS=3000 drv_bg "$log" start "$scr" /s -- wait-exit 60000
drv wait-window Vantor_Render 30000 >/dev/null
expect "$(drv attach Vantor_Main -- alive 1000)" "^alive " "the run outlives a slow renderer start"
! grep -q '^exit code' "$log" || fail "the host ended before the renderer's window came"
drv post Vantor_Render WM_CLOSE >/dev/null
wait_line "$log" '^exit code=0$' 5 >/dev/null
