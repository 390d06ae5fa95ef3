#!/usr/bin/env bash
# /p HWND: the preview is a visible child of the given window with the window's size, titled
# "Preview Window"; destroying that window ends the host. No renderer, no settings, no message.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder preview none)
scr=$(winpath "$folder/Quorrel.scr")

for size in 152x112 200x150; do
  open_preview "$scr" "$size"
  expect "$PREVIEW_CHILD" ' style=0x5[0-9a-f]{7} ' "a visible child window"
  # The form takes the parent's window size (its frame included): the client area is covered.
  expect "$PREVIEW_CHILD" " client=$(field "$PREVIEW_PARENT" size) " "the preview's size in $size"
  close_preview "$size"
done

# A parent whose process dies takes the preview along without a word: the host ends all the same.
# The parent's driver lives until the test ends its process.
drv_bg "$ARTIFACTS/killed.txt" parent 152 112 "消える親" -- start "$scr" "/p {parent}" -- sleep 60000
wait_line "$ARTIFACTS/killed.txt" '^started ' 10 >/dev/null
drv wait-child "消える親" "Preview Window" 10000 >/dev/null || true
host=$(host_process "$folder") || fail "no host process for the preview"
drv attach "消える親" -- terminate >/dev/null
host_ended() { ! kill -0 "$host" 2>/dev/null; }
wait_until 10 host_ended || fail "the host outlived its parent's process"

! drv windows | grep -E -q 'text=(Vantor_Render|Vantor_Main|Quorrel \(ScreenSaver\))$' ||
  fail "a preview started a run or showed a message"
