#!/usr/bin/env bash
# Builds everything and starts the screen saver under Wine as Windows would: Quorrel.scr /s, which plays
# the chosen music and starts the renderer beside it. On your display when there is one (Esc ends it),
# otherwise on a virtual display of its own, where it saves a screenshot and tells you where.
# QUORREL_BUILD_DIR picks the Windows build folder (default build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

build=$(realpath -m "${QUORREL_BUILD_DIR:-build/windows}")
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build"
host=$build/bin/Quorrel.scr

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export WINEPREFIX=$build/wine-run/prefix LANG=ja_JP.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
  mkdir -p "$WINEPREFIX"
  echo "run: starting $host /s on $DISPLAY (Esc ends it; $host /c opens the settings)"
  exec wine "$host" /s
fi

bench=$build/wine-run
driver=$build/tests/wine/driver/quorrel-driver.exe
trap 'bash tests/wine/bench-cleanup.sh "$bench"' EXIT
bash tests/wine/bench-setup.sh "$bench" "$driver" ja_JP.UTF-8 >/dev/null
# shellcheck source=/dev/null
source "$bench/env.sh"
wine "$driver" start "Z:${host//\//\\}" /s -- wait-visible Vantor_Render 10000 >/dev/null
sleep 3
mkdir -p "$build/artifacts"
shot=$build/artifacts/run.png
import -display "$DISPLAY" -window root "$shot"
# Esc ends the renderer, and the host follows when it finds the renderer's window gone.
wine "$driver" attach Vantor_Render -- key Vantor_Render VK_ESCAPE -- wait-exit 10000 \
  -- wait-no-window Vantor_Main 5000 >/dev/null
echo "run: no display here; the screen saver ran on a virtual one. Screenshot: $shot"
