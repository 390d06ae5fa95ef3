#!/usr/bin/env bash
# Installed into C:\users\Public\<QUORREL_FOLDER_NAME>\Quorrel, a folder whose name the system code page
# cannot write on a drive that gives short names, Quorrel works: the folder page takes the folder and so
# does a silent install; SCRNSAVE.EXE with " /s" appended unquoted, as Windows starts it, runs the saver;
# the settings dialog started the same way stores a music file there and shows it again; a run plays it.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/../dialog/dialog_lib.sh"
source "$(dirname "$0")/install_lib.sh"

name=${QUORREL_FOLDER_NAME:?the folder under C:\\users\\Public}
folder="C:\\users\\Public\\$name\\Quorrel"
PUBLIC=$WINEPREFIX/drive_c/users/Public
DIR=$PUBLIC/$name/Quorrel INI=$PUBLIC/$name/Quorrel/Quorrel.ini

desktop=$(desktop_values)
saver_before=$(value_of "$desktop" SCRNSAVE.EXE) || saver_before=-
active_before=$(value_of "$desktop" ScreenSaveActive) || active_before=-
undo_install() {
  rm -rf "${PUBLIC:?}/$name"
  put_value "$DESKTOP" SCRNSAVE.EXE "$saver_before"
  put_value "$DESKTOP" ScreenSaveActive "$active_before"
  wine reg delete "$UNINSTALL" /f </dev/null >/dev/null 2>&1 || true
}
trap 'rc=$?; undo_install; (exit "$rc"); bench_finish' EXIT

# The wizard: welcome page, folder page with the folder from /D=, then the files and the last page.
# The installer takes /D= unquoted, blanks and all, as the driver's start passes it (wine would quote it).
drv_bg "$ARTIFACTS/wizard.txt" start "$(winpath "$SETUP")" "/D=$folder" -- wait-exit 120000
wizard=$(drv wait-visible 'class=#32770' 15000 -- window last)
next=$(drv children "hwnd=$(field "$wizard" handle)" | grep -E '^child .*class=Button .* id=1 ')
read -r l t r b < <(field "$next" rect | tr ',' ' ')
click_at $(((l + r) / 2)) $(((t + b) / 2))
page_shows() { drv children "hwnd=$(field "$wizard" handle)" | grep -E "^child .*visible=1 .*text=($1)\$"; }
wait_until 10 page_shows 'インストール先の選択|Choose Install Location' >/dev/null || fail "no folder page"
click_at $(((l + r) / 2)) $(((t + b) / 2))
# The last page offers to open the screen-saver settings: not wanted here.
run_box='スクリーン セーバーの設定を開く|Open the screen saver settings'
wait_until 60 page_shows "$run_box" >/dev/null || fail "the wizard did not reach its last page: $(drv windows)"
drv send "hwnd=$(field "$(page_shows "$run_box")" handle)" BM_CLICK -- \
  send "hwnd=$(field "$next" handle)" BM_CLICK -- wait-no-window "hwnd=$(field "$wizard" handle)" 10000 >/dev/null
expect "$(wait_line "$ARTIFACTS/wizard.txt" '^exit code=' 10)" '^exit code=0$' "the wizard's end"
cmp "$DIR/Quorrel.scr" "$QUORREL_HOST_PROGRAM" || fail "the wizard did not install into $folder"
saver_names_installed >/dev/null
uninstall
# The folders above the install folder go after it.
folder_gone() { [ ! -e "$PUBLIC/$name" ]; }
wait_until 10 folder_gone || fail "the uninstaller left the folder it made"

out=$(drv start "$(winpath "$SETUP")" /S "/D=$folder" -- wait-exit 60000)
expect "$out" '^exit code=0$' "the silent install into $folder"
saver=$(saver_names_installed)
LC_ALL=C grep -q '^[ -~]*$' <<<"$saver" || fail "SCRNSAVE.EXE is not plain ASCII: $saver"

# run_saver: SCRNSAVE.EXE " /s" runs the installed renderer until Esc; checks on the run go between.
run_saver() {
  RUN_LOG=$(mktemp "$ARTIFACTS/run.XXXXXX")
  drv_bg "$RUN_LOG" start-unquoted "$saver" /s -- wait-exit 60000
  drv wait-window Vantor_Render 30000 >/dev/null || fail "the saver did not start: $(cat "$RUN_LOG")"
  grep -q -l -F "$DIR/Quorrel.dll" /proc/[0-9]*/maps 2>/dev/null || fail "the installed renderer is not running"
}
end_saver() {
  drv key Vantor_Render VK_ESCAPE >/dev/null
  expect "$(wait_line "$RUN_LOG" '^exit code=' 15)" '^exit code=0$' "the host's end"
}
run_saver
end_saver

# The dialog stores a music file beside the program; opened again it shows it, where it showed none.
# (How its characters look is the dialog tests' business.)
open_dialog /c "$saver"
empty=$(label_picture empty)
click_at $(button_centre $CMD_CAN)
wait_closed
music=$ARTIFACTS/music/tide.wav
mkdir -p "$(dirname "$music")"
sox -n -r 22050 -c 1 -b 16 "$music" synth 2 sine 330
open_file_dialog "$saver"
type_text "$(winpath "$music")"
xdotool key Return
drv wait-no-window "$FILE_DIALOG" 10000 >/dev/null
click_at $(button_centre $CMD_SET)
wait_closed
# The keys as today's host writes them: a code page without Japanese turns their Japanese into "?".
keys=('BGM区分' 'BGMﾘﾋﾟｰﾄ' 'BGMﾌｧｲﾙ')
[ "$CODE_PAGE" = 932 ] || keys=('BGM??' 'BGM?????' 'BGM????')
stored=$(iconv -f "CP$CODE_PAGE" -t UTF-8 "$INI" | tr -d '\r')
[ "$stored" = "[Section]"$'\n'"${keys[0]}=2"$'\n'"${keys[1]}=0"$'\n'"${keys[2]}=$(winpath "$music")" ] ||
  fail "the music file is not stored: $stored"
open_dialog /c "$saver"
[ "$(label_picture reopened)" != "$empty" ] || fail "the stored music file is not shown"
click_at $(button_centre $CMD_CAN)
wait_closed

# Every file open by any process (ls fails on processes that end meanwhile).
open_files() { ls -l /proc/[0-9]*/fd 2>/dev/null || true; }
plays() { grep -q -F "$music" <<<"$(open_files)"; }
run_saver
wait_until 10 plays || fail "the run does not play the stored music file"
end_saver
uninstall
