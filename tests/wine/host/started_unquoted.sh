#!/usr/bin/env bash
# Windows starts a screen saver with the path of its setting and the switch appended, unquoted. From a
# folder with a blank and Shift-JIS second bytes 0x5C (ソ, 表) the host still reads its switch: /s runs,
# /c:N opens the dialog, /p N shows the preview in window N.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

base="$WINEPREFIX/drive_c/users/Public/ソフト 表示"
trap 'rc=$?; rm -rf "$base"; (exit "$rc"); bench_finish' EXIT
mkdir -p "$base/Quorrel"
cp "$QUORREL_HOST" "$base/Quorrel/Quorrel.scr"
cp "$(renderer)" "$base/Quorrel/Quorrel.dll"
scr='C:\users\Public\ソフト 表示\Quorrel\Quorrel.scr'

log=$ARTIFACTS/run.txt
drv_bg "$log" start-unquoted "$scr" /s -- wait-exit 60000
drv wait-window Vantor_Render 30000 >/dev/null || fail "/s started no renderer: $(cat "$log")"
drv key Vantor_Render VK_ESCAPE >/dev/null
wait_line "$log" '^exit code=0$' 15 >/dev/null

log=$ARTIFACTS/settings.txt
drv_bg "$log" start-unquoted "$scr" /c:1234 -- wait-exit 60000
drv wait-visible '<Quorrel>' 30000 >/dev/null || fail "/c:1234 opened no settings dialog: $(cat "$log")"
drv post '<Quorrel>' WM_CLOSE >/dev/null
wait_line "$log" '^exit code=0$' 15 >/dev/null

log=$ARTIFACTS/preview.txt
drv_bg "$log" parent 152 112 -- start-unquoted "$scr" /p '{parent}' -- \
  wait-file "$(winpath "$ARTIFACTS/destroy")" 30000 -- destroy-parent -- wait-exit 5000
parent=$(wait_line "$log" '^parent ' 10)
wait_line "$log" '^started ' 10 >/dev/null
drv wait-child "hwnd=$(field "$parent" handle)" "Preview Window" 10000 >/dev/null || fail "/p N showed no preview"
touch "$ARTIFACTS/destroy"
wait_line "$log" '^exit code=0$' 10 >/dev/null
