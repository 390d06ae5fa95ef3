#!/usr/bin/env bash
# "..." with a file whose name code page 932 cannot write: the settings file stores its short path, the
# label shows the name it was chosen by and, opened again, the stored short path by that long name; a
# run plays it.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

odd="$ARTIFACTS/music/Café ♫.wav"
mkdir -p "$(dirname "$odd")"
sox -n -r 22050 -c 1 -b 16 "$odd" synth 2 sine 440

# choose FILE NAME: FILE typed into the open-file dialog of "..."; LABEL is then the label's picture.
choose() {
  open_file_dialog
  type_text "$1"
  xdotool key Return
  drv wait-no-window "$FILE_DIALOG" 10000 >/dev/null
  LABEL=$(label_picture "chosen_$2")
}
choose "$(winpath "$odd")" long
chosen=$LABEL
click_at $(button_centre $CMD_SET)
wait_closed
short=$(sed -n 's/^BGMﾌｧｲﾙ=//p' <<<"$(ini_text)")
LC_ALL=C grep -q '^[ -~]*$' <<<"$short" || fail "not stored as a plain ASCII path: $(ini_text)"
[ "$(winepath -u "$short" </dev/null 2>/dev/null)" -ef "$odd" ] || fail "the stored $short is not $odd"

open_dialog /c
[ "$(label_picture reopened)" = "$chosen" ] || fail "the stored short path is not shown as the file was chosen"
click_at $(button_centre $CMD_CAN)
wait_closed
# Typed in its short form, the file shows by that form: the label above showed the long name.
choose "$short" short
[ "$LABEL" != "$chosen" ] || fail "the label showed the short path"
click_at $(button_centre $CMD_CAN)
wait_closed

log=$ARTIFACTS/run.txt
drv_bg "$log" start "$(winpath "$FOLDER/Quorrel.scr")" /s -- wait-exit 60000
drv wait-window Vantor_Render 30000 >/dev/null || fail "no run: $(cat "$log")"
# Every file open by any process (ls fails on processes that end meanwhile).
plays() { grep -q -F "$odd" <<<"$(ls -l /proc/[0-9]*/fd 2>/dev/null || true)"; }
wait_until 10 plays || fail "the run does not play $odd"
drv key Vantor_Render VK_ESCAPE >/dev/null
expect "$(wait_line "$log" '^exit code=' 15)" '^exit code=0$' "the host's end"
