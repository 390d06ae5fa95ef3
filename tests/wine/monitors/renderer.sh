#!/usr/bin/env bash
# The renderer alone on two monitors, at a display scale of 150 %: the manifest that makes it aware of
# each monitor's scale, its windows covering each monitor in real pixels, a display change that keeps
# one window per monitor, Zoom 2 x 2 on "Vantor_Render" that leaves the second monitor its figure, and a
# close request to the second monitor's window that ends the run.
source "$(dirname "$0")/monitors_lib.sh"

out=$(drv manifest "$(winpath "$QUORREL_RENDERER")")
expect "$out" '<dpiAwareness [^>]*>PerMonitorV2, PerMonitor</dpiAwareness>' "per monitor v2, then v1, in the manifest"
expect "$out" '<dpiAware [^>]*>true/pm</dpiAware>' "the older form in the manifest"
expect "$out" 'supportedOS Id="\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}"' "Windows 10 and 11 supported"

# Read by each program as it starts.
DESKTOP='HKCU\Control Panel\Desktop'
trap 'rc=$?; wine reg delete "$DESKTOP" /v LogPixels /f </dev/null >/dev/null 2>&1; (exit "$rc"); bench_finish' EXIT
wine reg add "$DESKTOP" /v LogPixels /t REG_DWORD /d 144 /f </dev/null >/dev/null 2>&1

drv start "$(winpath "$QUORREL_RENDERER")" -- wait-visible Vantor_Render 5000 -- \
  wait-visible class=Vantor_Monitor 5000 >/dev/null
figure_on_both scaled

out=$(drv send Vantor_Render 0x7E 32 -- windows)  # WM_DISPLAYCHANGE
[ "$(grep -c ' class=Vantor_Monitor ' <<<"$out")" = 1 ] || fail "not one window per monitor after a display change: $out"

size=$(field "$(drv adjust-rect 640 480 0x00CF0000)" size)
out=$(drv send Vantor_Render WM_SYSCOMMAND 0x402 -- window Vantor_Render)
expect "$out" " size=$((2 * ${size%x*}))x$((2 * ${size#*x})) " "Zoom 2 x 2 on Vantor_Render"
second=$(drv window class=Vantor_Monitor)
expect "$second" " rect=$SECOND " "the second monitor's window where it was after the zoom"
both() {
  SHOT=$(screenshot zoomed)
  figure_in "$SHOT" "$SECOND" "$SECOND"
}
wait_until 10 both || fail "no figure on the second monitor after the zoom in $SHOT"

out=$(drv attach class=Vantor_Monitor -- post class=Vantor_Monitor WM_CLOSE -- wait-exit 10000)
expect "$out" '^exit code=0$' "the run ended with code 0 by a close request to the second monitor's window"
desktop_on_both
