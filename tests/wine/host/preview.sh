#!/usr/bin/env bash
# /p HWND: the preview is a visible child of the given window with the window's size, titled
# "Preview Window"; destroying that window ends the host. No renderer, no settings, no message.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder preview none)
scr=$(winpath "$folder/Quorrel.scr")

for size in 152x112 200x150; do
  width=${size%x*} height=${size#*x}
  log=$ARTIFACTS/preview_$size.txt
  # The driver holds the parent window until the test has looked at the preview, then destroys it.
  drv_bg "$log" parent "$width" "$height" -- start "$scr" "/p {parent}" -- \
    wait-file "$(winpath "$ARTIFACTS/destroy_$size")" 30000 -- destroy-parent -- wait-exit 5000
  parent=$(wait_line "$log" '^parent ' 10)
  wait_line "$log" '^started ' 10 >/dev/null
  child=
  for _ in $(seq 100); do
    child=$(drv children "hwnd=$(field "$parent" handle)" | grep -E 'text=Preview Window$' || true)
    [ -n "$child" ] && break
    sleep 0.1
  done
  [ -n "$child" ] || fail "no preview inside the $size window"
  expect "$child" ' style=0x5[0-9a-f]{7} ' "a visible child window"
  # The form takes the parent's window size (its frame included): the client area is covered.
  expect "$child" " client=$(field "$parent" size) " "the preview's size in $size"
  touch "$ARTIFACTS/destroy_$size"
  wait_line "$log" '^exit code=0$' 10 >/dev/null
done

! drv windows | grep -E -q 'text=(Vantor_Render|Vantor_Main|Quorrel \(ScreenSaver\))$' ||
  fail "a preview started a run or showed a message"
