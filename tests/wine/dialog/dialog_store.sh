# "設定" stores the choice in the settings file (Shift-JIS keys, in order) and the next start shows it;
# "ｷｬﾝｾﾙ" and the close box store nothing; "..." takes a file from the open-file dialog, and a saver run
# afterwards plays that file.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

rm -f "$INI"
open_dialog /c
click_at $(panel_at 48 62)  # 音楽CD
shown "音楽CD chosen" $(mark 1 1)  # the track box takes clicks only now
combo=$(grep 'class=ComboBox' <<<"$CHILDREN")
read -r l t r b < <(field "$combo" rect | tr ',' ' ')
click_at $((l + 8)) $((t + 10))
drv wait-focus "hwnd=$(field "$combo" handle)" 10000 >/dev/null
xdotool type 12
drv wait-text "hwnd=$(field "$combo" handle)" 12 10000 >/dev/null
click_at $(button_centre $CMD_SET)
wait_closed
expected=$'[Section]\nBGM区分=1\nBGMﾘﾋﾟｰﾄ=12\nBGMﾌｧｲﾙ='
[ "$(ini_text)" = "$expected" ] || fail "settings file after 設定:
$(ini_text)"
LC_ALL=C grep -q $'BGM\x8b\xe6\x95\xaa=1' "$INI" || fail "the kind's key is not in Shift-JIS"
LC_ALL=C grep -q $'BGM\xd8\xcb\xdf\xb0\xc4=12' "$INI" || fail "the track's key is not in Shift-JIS"
cp "$INI" "$ARTIFACTS/stored.ini"

# The next start shows the stored choice; ｷｬﾝｾﾙ after a change leaves the file as it was.
open_dialog /c
shown "the stored CD" $(mark 1 1)
[ "$(repeat_text)" = 12 ] || fail "track box shows '$(repeat_text)', not 12"
click_at $(panel_at 40 82)  # 無し
click_at $(button_centre $CMD_CAN)
wait_closed
cmp -s "$INI" "$ARTIFACTS/stored.ini" || fail "ｷｬﾝｾﾙ changed the settings file"

# The close box after a change: nothing written either.
open_dialog /c
click_at $(panel_at 48 102)  # MP3、WAV
shown "MP3、WAV chosen" $(mark 2 1)  # a posted close would overtake the click
drv post "$TITLE" WM_SYSCOMMAND SC_CLOSE >/dev/null
wait_closed
cmp -s "$INI" "$ARTIFACTS/stored.ini" || fail "the close box changed the settings file"

# A file chosen with "...", then stored with kind 2; the track box's text is stored as it stands.
music=$ARTIFACTS/music/sea.wav
mkdir -p "$(dirname "$music")"
sox -n -r 22050 -c 1 -b 16 "$music" synth 2 sine 440
open_dialog /c
click_at $(panel_at 26 102)
shown "MP3、WAV chosen" $(mark 2 1)  # "..." takes clicks only now
# Cancelled, the open-file dialog gives the focus back to "...", which kept its Selected face meanwhile.
click_at $(button_centre $CMD_BGM)
drv wait-visible 'ﾌｧｲﾙを開く' 15000 -- wait-focus 'ﾌｧｲﾙを開く' 15000 >/dev/null
xdotool key Escape
drv wait-no-window 'ﾌｧｲﾙを開く' 10000 >/dev/null
mouse_to $(panel_at 300 8)
shown '"..." after the open-file dialog' "$(pixel_is "$(button_at $CMD_BGM 2 10)" $RING2_SELECTED)"
expect "$(drv focus "$TITLE")" "^focus id=$CMD_BGM\$" '"..." has the focus again'
click_at $(button_centre $CMD_BGM)
out=$(drv wait-visible 'ﾌｧｲﾙを開く' 15000 -- wait-focus 'ﾌｧｲﾙを開く' 15000)
expect "$out" 'text=ﾌｧｲﾙを開く$' "the open-file dialog with its title"
xdotool type "$(winpath "$music")"
xdotool key Return
drv wait-no-window 'ﾌｧｲﾙを開く' 10000 >/dev/null
# path_shown: dark text in the file label.
path_shown() {
  shot=$(screenshot file_chosen)
  [ "$(dark_pixels "$shot" "300x12+$((PANEL_X + 70))+$((PANEL_Y + 118))")" -gt 30 ]
}
wait_until 10 path_shown || fail "no path in the file label"
click_at $(button_centre $CMD_SET)
wait_closed
expected=$'[Section]\nBGM区分=2\nBGMﾘﾋﾟｰﾄ=12\nBGMﾌｧｲﾙ='"$(winpath "$music")"
[ "$(ini_text)" = "$expected" ] || fail "settings file after choosing a file:
$(ini_text)"

# A saver run of the host now plays the stored file: the host holds it open while the renderer lives.
log=$ARTIFACTS/run.txt
drv_bg "$log" start "$(winpath "$FOLDER/Quorrel.scr")" /s -- wait-exit 60000
drv wait-window Vantor_Render 30000 -- attach Vantor_Main >/dev/null
# Some process holds the file open (ls fails on processes that end meanwhile).
plays_music() { { ls -l /proc/[0-9]*/fd 2>/dev/null || true; } | grep -q -F "$music"; }
wait_until 20 plays_music || fail "the saver run does not play the stored file"
drv post Vantor_Render WM_CLOSE >/dev/null
wait_line "$log" '^exit code=0$' 10 >/dev/null
