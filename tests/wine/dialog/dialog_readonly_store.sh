# "設定" with a settings file and folder that cannot be written: a message names the file, the dialog
# stays open with the choice, the file keeps its bytes; once writable again, "設定" stores that choice.
# A run killed before its clean-up leaves immutable files that nothing could delete: free them first.
chattr -R -i "${QUORREL_ARTIFACTS:?}/${QUORREL_TEST_NAME:-dialog_readonly_store}" 2>/dev/null || true
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

write_ini 2 0 ''
cp "$INI" "$ARTIFACTS/before.ini"
open_dialog /c
xdotool mousemove $(panel_at 48 62) click 1  # 音楽CD
wait_focus Pic_C "after choosing the CD"
read -r l t r b < <(child_rect $REPEAT_BOX)
xdotool mousemove $((l + 8)) $((t + 10)) click 1
wait_focus BGM_Repeat "in the track box"
xdotool type 7
wait_repeat_text 7

make_immutable "$INI" "$FOLDER"
xdotool mousemove $(button_centre $CMD_SET) click 1
out=$(drv wait-visible 'Quorrel (ScreenSaver)' 10000 -- children last)
screenshot message >/dev/null
grep -q -F "text=$(winpath "$INI")に設定を保存できません！" <<<"$out" || fail "no message naming the file: $out"
cmp "$INI" "$ARTIFACTS/before.ini" || fail "the failed store changed the settings file"
button=$(grep -E '^child .*class=Button .*visible=1 .*text=OK$' <<<"$out")
drv send "hwnd=$(field "$button" handle)" BM_CLICK >/dev/null
drv wait-no-window 'Quorrel (ScreenSaver)' 10000 >/dev/null
drv window "$TITLE" >/dev/null || fail "the dialog closed although nothing was stored"
undo_immutable

xdotool mousemove $(button_centre $CMD_SET) click 1
drv wait-no-window "$TITLE" 10000 >/dev/null
[ "$(ini_text)" = $'[Section]\nBGM区分=1\nBGMﾘﾋﾟｰﾄ=7\nBGMﾌｧｲﾙ=' ] || fail "the kept choice was not stored:
$(ini_text)"
