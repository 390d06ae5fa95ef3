# Real key presses: Tab and Shift+Tab walk the ring of the tab indexes, past the disabled "..."; the track
# box takes the whole typed text, and "3.5" typed there is stored as 4.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

write_ini 1 0 ''
open_dialog /c
wait_focus Pic_C "on opening"
for step in Tab:BGM_Repeat Tab:Cmd_Set Tab:Cmd_Can Tab:Cmd_Etc Tab:Pic_C shift+Tab:Cmd_Etc \
  shift+Tab:Cmd_Can shift+Tab:Cmd_Set shift+Tab:BGM_Repeat shift+Tab:Pic_C Tab:BGM_Repeat; do
  xdotool key "${step%%:*}"
  wait_focus "${step#*:}" "after ${step%%:*}"
done

xdotool type 12345
wait_repeat_text 12345
screenshot typed >/dev/null
xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace
wait_repeat_text ''
xdotool type 3.5
wait_repeat_text 3.5
xdotool mousemove $(button_centre $CMD_SET) click 1
drv wait-no-window "$TITLE" 10000 >/dev/null
grep -q '^BGMﾘﾋﾟｰﾄ=4$' <<<"$(ini_text)" || fail "3.5 typed is not stored as 4:
$(ini_text)"
