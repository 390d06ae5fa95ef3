#!/usr/bin/env bash
# Every way a close request can come ends the renderer the same way; arguments change nothing.
source "$(dirname "$0")/renderer_lib.sh"

rect=$(expected_rect)
# arguments given to the renderer | how it is asked to close
cases=(
  "|key Vantor_Render VK_ESCAPE"
  "/s|post Vantor_Render WM_SYSCOMMAND SC_CLOSE"
  "/c:1234 /p 5678 extra words|post Vantor_Render WM_CLOSE"
)
for case in "${cases[@]}"; do
  IFS='|' read -r args close <<<"$case"
  drv set-screensaver 1 >/dev/null
  # shellcheck disable=SC2086
  window=$(start_renderer $args)
  expect "$window" " class=Vantor_Render style=0x96000000 .* rect=$rect .*text=Vantor_Render$" "the same window with arguments '$args'"
  expect "$(drv wait-screensaver 0 3000)" '^screensaver active=0$' "the screen saver off with arguments '$args'"
  # shellcheck disable=SC2086
  close_renderer_with $close
done
