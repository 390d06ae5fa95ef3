# Sourced by the host's Wine tests, after the bench's lib.sh: a folder holding Quorrel.scr beside a
# renderer, and the host's process.

# make_folder NAME RENDERER: a fresh folder under the artifacts with Quorrel.scr and, unless RENDERER
# is "none", that program as Quorrel.dll; prints its path. Names with blanks and Japanese are welcome.
make_folder() {
  local folder=$ARTIFACTS/$1
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$QUORREL_HOST" "$folder/Quorrel.scr"
  [ "$2" = none ] || cp "$2" "$folder/Quorrel.dll"
  printf '%s\n' "$folder"
}

# host_process FOLDER: the Linux process id of the host started from FOLDER (other benches may run
# hosts of their own).
host_process() {
  local pid
  for pid in $(pgrep -f 'Quorrel\.scr' || true); do
    if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q -F "$(winpath "$1")\\Quorrel.scr"; then
      printf '%s\n' "$pid"
      return 0
    fi
  done
  return 1
}

# The real renderer when it is built, else the stand-in.
renderer() { printf '%s\n' "${QUORREL_RENDERER:-$QUORREL_FAKE_RENDERER}"; }

# host_exits OUTPUT: the driver's output shows the host ended with exit code 0.
host_exits() { expect "$1" '^exit code=0$' "the host ended with code 0"; }

# Runs from a folder with no Quorrel.dll, so only a start by full path finds the renderer.
cd "$ARTIFACTS"

# open_preview SCR SIZE: a driver in the background makes a parent window of SIZE (WxH client area)
# and starts SCR /p in it; sets PREVIEW_PARENT and PREVIEW_CHILD (driver window lines) and
# PREVIEW_LOG. close_preview SIZE then destroys the parent and waits for the host to end with code 0.
open_preview() {
  local size=$2
  PREVIEW_LOG=$ARTIFACTS/preview_$size.txt
  drv_bg "$PREVIEW_LOG" parent "${size%x*}" "${size#*x}" -- start "$1" "/p {parent}" -- \
    wait-file "$(winpath "$ARTIFACTS/destroy_$size")" 30000 -- destroy-parent -- wait-exit 5000
  PREVIEW_PARENT=$(wait_line "$PREVIEW_LOG" '^parent ' 10)
  wait_line "$PREVIEW_LOG" '^started ' 10 >/dev/null
  PREVIEW_CHILD=$(drv wait-visible-child "hwnd=$(field "$PREVIEW_PARENT" handle)" "Preview Window" 10000 2>&1) ||
    fail "no preview shown inside the $size window: $PREVIEW_CHILD"
}

close_preview() {
  touch "$ARTIFACTS/destroy_$1"
  wait_line "$PREVIEW_LOG" '^exit code=0$' 10 >/dev/null
}
