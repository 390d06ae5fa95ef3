#!/usr/bin/env bash
# Remakes assets/preview.bmp, the host's 152 x 112 preview picture, from one frame of the renderer:
# the 640 x 480 frame, trimmed to the preview's proportions and scaled down.
# Usage: tools/make_preview.sh [NATIVE_BUILD_DIR]   (default build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
seed=7
time_ms=3000

cmake --build "$build" --target quorrel-frame >/dev/null
frame=$(mktemp --suffix=.png)
trap 'rm -f "$frame"' EXIT
"$build/tools/quorrel-frame/quorrel-frame" --seed "$seed" --time-ms "$time_ms" --out "$frame"
convert "$frame" -gravity center -crop 640x472+0+0 +repage -filter Lanczos -resize '152x112!' \
  -type TrueColor BMP3:assets/preview.bmp
