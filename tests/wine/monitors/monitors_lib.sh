# shellcheck shell=bash
# Shared by the two-monitor tests: the monitors as Wine reports them, and whether each shows the figure.
# The bench's screen is white wherever no window covers it.
source "$QUORREL_BENCH_LIB"
: "${QUORREL_RENDERER:?path of Quorrel.dll}"

monitors=$(drv monitors)
[ "$(grep -c '^monitor ' <<<"$monitors")" = 2 ] || fail "Wine sees no two monitors: $monitors"
# Their rectangles, "left,top,right,bottom".
PRIMARY=$(field "$(grep -m1 ' primary=1$' <<<"$monitors")" rect)
SECOND=$(field "$(grep -m1 ' primary=0$' <<<"$monitors")" rect)

# figure_in SHOT WINDOW_RECT MONITOR_RECT: in the screenshot the window shows the figure, bright in its
# middle, and covers the monitor, black up to its corners.
figure_in() {
  local shot=$1 l t r b x y
  IFS=, read -r l t r b <<<"$2"
  [ "$(region_mean "$shot" "80x80+$(((l + r) / 2 - 40))+$(((t + b) / 2 - 40))")" -ge 60 ] || return 1
  IFS=, read -r l t r b <<<"$3"
  for corner in "$l $t" "$((r - 20)) $t" "$l $((b - 20))" "$((r - 20)) $((b - 20))"; do
    read -r x y <<<"$corner"
    [ "$(region_mean "$shot" "20x20+$x+$y")" -le 3 ] || return 1
  done
}

# figure_on_both NAME: waits until a screenshot shows the figure on both monitors, in "Vantor_Render"
# and in the second monitor's window, which covers exactly that monitor.
figure_on_both() {
  local render second
  render=$(drv window Vantor_Render)
  second=$(drv window class=Vantor_Monitor)
  expect "$second" " rect=$SECOND .*text=Vantor_Monitor$" "a window of its own over the second monitor"
  both() {
    SHOT=$(screenshot "$1")
    figure_in "$SHOT" "$(field "$render" rect)" "$PRIMARY" && figure_in "$SHOT" "$SECOND" "$SECOND"
  }
  wait_until 10 both "$1" || fail "$1: no figure on both monitors in $SHOT"
}

# desktop_on_both: both monitors show the white screen again, and no window of the run is left.
desktop_on_both() {
  local l t r b rect out conditions=()
  out=$(drv windows)
  ! grep -E -q 'class=Vantor_(Render|Monitor) ' <<<"$out" || fail "a window of the run is left: $out"
  for rect in "$PRIMARY" "$SECOND"; do
    IFS=, read -r l t r b <<<"$rect"
    conditions+=("$(pixel_is "$l $t" 255,255,255)" "$(pixel_is "$((r - 1)) $((b - 1))" 255,255,255)"
      "$(pixel_is "$(((l + r) / 2)) $(((t + b) / 2))" 255,255,255)")
  done
  shown "both monitors uncovered" "${conditions[@]}"
}
