#!/usr/bin/env bash
# Switches that run nothing end at once, without a window and without a message.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder switches "$(renderer)")
scr=$(winpath "$folder/Quorrel.scr")
for arguments in /a /x s /A -q /p "/p 0" "/p 77777" /pc; do
  # "/p", "/p 0", "/p 77777", "/pc": a preview of no window at all ends too.
  out=$(drv start "$scr" "$arguments" -- wait-exit 5000 -- windows)
  host_exits "$out"
  ! grep -E 'text=(Vantor_Main|Vantor_Render|Quorrel \(ScreenSaver\)|Preview Window)$' <<<"$out" ||
    fail "\"$arguments\" left a window: $out"
done
