# Sourced by every Wine test script (through $QUORREL_BENCH_LIB): the bench's environment, the test
# driver, checks, screenshots, and the clean-up that runs however the script ends.
set -euo pipefail
: "${QUORREL_BENCH_DIR:?run Wine tests through ctest (they need the wine_bench fixture)}"
# shellcheck source=/dev/null
source "$QUORREL_BENCH_DIR/env.sh"
# fail and wait_until, shared with the X11 tests.
source "$(dirname "${BASH_SOURCE[0]}")/../script_lib.sh"

TEST_NAME=${QUORREL_TEST_NAME:-$(basename "$0" .sh)}
ARTIFACTS=$QUORREL_ARTIFACTS/$TEST_NAME
rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS"
DRIVER_LOG=$ARTIFACTS/driver.log
BENCH_BACKGROUND=()

# The Windows form of a Unix path (Wine's Z: drive is the root).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Runs the driver with COMMAND [ARG...] [-- COMMAND...]; prints its lines, returns its exit code.
# Output goes through a file so programs it starts never hold our pipes open.
drv() {
  local out rc=0 start=${EPOCHREALTIME/./}
  out=$(mktemp "$ARTIFACTS/drv.XXXXXX")
  wine "$QUORREL_DRIVER" "$@" >"$out" 2>&1 </dev/null || rc=$?
  { printf '$ driver %s   (%d ms)\n' "$*" $(((${EPOCHREALTIME/./} - start) / 1000)); cat "$out"; } >>"$DRIVER_LOG"
  cat "$out"
  [ "$rc" -eq 0 ] || { echo "driver failed ($rc): $*" >&2; cat "$out" >&2; }
  rm -f "$out"
  return "$rc"
}

# Starts the driver in the background, its lines going to FILE; wait_line reads them.
drv_bg() {
  local file=$1
  shift
  printf '$ driver (background) %s\n' "$*" >>"$DRIVER_LOG"
  wine "$QUORREL_DRIVER" "$@" >"$file" 2>&1 </dev/null &
  BENCH_BACKGROUND+=($!)
}

# Waits up to SECONDS for a line of FILE matching the extended regex; prints that line.
wait_line() {
  local file=$1 regex=$2 seconds=$3 end
  end=$((SECONDS + seconds))
  while [ "$SECONDS" -le "$end" ]; do
    if grep -E -m1 -- "$regex" "$file" 2>/dev/null; then
      return 0
    fi
    sleep 0.1
  done
  fail "no line /$regex/ in $file within ${seconds}s: $(cat "$file" 2>/dev/null)"
}

# expect TEXT REGEX [WHAT]: some line of TEXT matches the extended regex.
expect() {
  grep -E -q -- "$2" <<<"$1" || fail "${3:-expected /$2/} in:
$1"
}

# field LINE KEY: the value of "KEY=value" in a driver line ("text=" runs to the end of the line).
field() {
  if [ "$2" = text ]; then
    sed -n 's/.* text=//p' <<<"$1" | head -n1
  else
    grep -o -E -m1 -- "(^| )$2=[^ ]*" <<<"$1" | head -n1 | sed 's/^ //; s/^[^=]*=//'
  fi
}

# Pixel conditions for shown and still_shown, one word each. pixel_is "X Y" R,G,B [TOLERANCE]: the
# screen pixel at X Y has that colour (each channel within the tolerance); pixel_not "X Y" R,G,B: not.
pixel_is() {
  local x y
  read -r x y <<<"$1"
  printf '%s,%s=%s%s\n' "$x" "$y" "$2" "${3:+~$3}"
}
pixel_not() {
  local x y
  read -r x y <<<"$1"
  printf '%s,%s!=%s\n' "$x" "$y" "$2"
}

# shown_within MS WHAT CONDITION...: waits up to MS until the screen meets every condition at once;
# fails naming WHAT. shown WHAT CONDITION...: the same within 10 s.
shown_within() {
  local ms=$1 what=$2 out
  shift 2
  out=$(drv wait-pixels "$ms" "$@" 2>&1) || fail "$what: $out"
}
shown() { shown_within 10000 "$@"; }

# still_shown MS WHAT CONDITION...: like shown, and then the screen keeps meeting them for MS, for
# checks that nothing changes.
still_shown() {
  local ms=$1 what=$2 out
  shift 2
  out=$(drv wait-pixels 10000 "$@" -- keep-pixels "$ms" "$@" 2>&1) || fail "$what: $out"
}

# Saves the whole virtual screen as $ARTIFACTS/NAME.png and prints the path.
screenshot() {
  local file=$ARTIFACTS/$1.png
  import -display "$DISPLAY" -window root "$file"
  printf '%s\n' "$file"
}

# region_mean FILE GEOMETRY: mean brightness (0..255) of the region WxH+X+Y of a picture.
region_mean() {
  convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:int(255*mean+0.5)]' info:
}

# on_japanese_bench CMD [ARG..]: runs CMD (drv, screenshot, ...) on the Japanese bench, for a test on the
# Western one that compares the two.
on_japanese_bench() {
  (
    # shellcheck source=/dev/null
    source "$QUORREL_JAPANESE_BENCH_DIR/env.sh"
    "$@"
  )
}

# Ends every program the test left running (Wine's own processes stay), whatever the outcome.
bench_finish() {
  local rc=$?
  set +e
  if [ "$rc" -ne 0 ]; then
    screenshot failure >/dev/null 2>&1
    echo "driver log: $DRIVER_LOG, screenshots: $ARTIFACTS" >&2
  fi
  for pid in "${BENCH_BACKGROUND[@]}"; do
    kill "$pid" 2>/dev/null
  done
  end_started
  drv end-programs >/dev/null 2>&1
  [ "$QUORREL_BENCH_DIR" = "$QUORREL_JAPANESE_BENCH_DIR" ] || on_japanese_bench drv end-programs >/dev/null 2>&1
  wait 2>/dev/null
  exit "$rc"
}
trap bench_finish EXIT
