#!/usr/bin/env bash
# Windows starts the screen saver as SCRNSAVE.EXE + " /s": on two monitors the figure covers both, the
# renderer is per-monitor DPI aware, and Esc on the second monitor's window ends the whole run: no window
# is left on either monitor and the host ends.
source "$(dirname "$0")/monitors_lib.sh"
: "${QUORREL_HOST:?path of Quorrel.scr}"

folder=$WINEPREFIX/drive_c/Quorrel
DESKTOP='HKCU\Control Panel\Desktop'
trap 'rc=$?; rm -rf "$folder"; wine reg delete "$DESKTOP" /v SCRNSAVE.EXE /f </dev/null >/dev/null 2>&1; (exit "$rc"); bench_finish' EXIT
mkdir -p "$folder"
cp "$QUORREL_HOST" "$folder/Quorrel.scr"
cp "$QUORREL_RENDERER" "$folder/Quorrel.dll"
wine reg add "$DESKTOP" /v SCRNSAVE.EXE /d 'C:\Quorrel\Quorrel.scr' /f </dev/null >/dev/null 2>&1
saver=$(wine reg query "$DESKTOP" /v SCRNSAVE.EXE </dev/null 2>/dev/null | tr -d '\r' | sed -n 's/^ *SCRNSAVE.EXE *REG_SZ *//p')
[ -n "$saver" ] || fail "SCRNSAVE.EXE not stored"

log=$ARTIFACTS/run.txt
drv_bg "$log" start-unquoted "$saver" /s -- wait-exit 60000
drv wait-visible Vantor_Render 30000 -- wait-visible class=Vantor_Monitor 5000 >/dev/null ||
  fail "/s showed no window on each monitor: $(cat "$log")"
figure_on_both saver-run
expect "$(drv dpi-awareness Vantor_Render)" '^dpi-awareness awareness=2$' "the renderer aware of each monitor's scale"

drv key class=Vantor_Monitor VK_ESCAPE >/dev/null
wait_line "$log" '^(exit|error) ' 15 >/dev/null
expect "$(cat "$log")" '^exit code=0$' "the host ended with code 0"
desktop_on_both
