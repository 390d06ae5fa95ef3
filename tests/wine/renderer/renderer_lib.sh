# Shared by the renderer's Wine tests: starting Quorrel.dll and the window it should open.
source "$QUORREL_BENCH_LIB"
: "${QUORREL_RENDERER:?path of Quorrel.dll}"
RENDERER=$(winpath "$QUORREL_RENDERER")

# Starts the renderer with the given arguments and waits until its window is shown; prints the window
# line. The window should be there within a few seconds.
start_renderer() {
  drv start "$RENDERER" "$@" -- wait-visible Vantor_Render 5000 | grep '^window '
}

# The popup covers the maximised area plus a caption's height, from the screen's corner.
expected_rect() {
  local metrics
  metrics=$(drv metrics)
  echo "0,0,$(field "$metrics" cxmaximized),$(($(field "$metrics" cymaximized) + $(field "$metrics" cycaption)))"
}

# Ends the renderer with the driver commands given (e.g. key Vantor_Render VK_ESCAPE) and checks the
# way every close ends: exit code 0, window gone, system screen saver on again.
close_renderer_with() {
  local out
  # A program reads the flag from the X server once and keeps that value: a fresh driver reads it.
  out=$(drv attach Vantor_Render -- "$@" -- wait-exit 10000 -- wait-no-window Vantor_Render 2000)
  out+=$'\n'$(drv screensaver)
  expect "$out" '^exit code=0$' "exit code 0 after: $*"
  expect "$out" '^gone Vantor_Render$' "no window after: $*"
  expect "$out" '^screensaver active=1$' "the screen saver on again after: $*"
}
