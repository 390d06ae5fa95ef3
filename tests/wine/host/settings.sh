#!/usr/bin/env bash
# A settings file written by hand in Shift-JIS is read as the host reads its own: the Japanese keys
# and a Japanese music path come through, a stored 2.9 counts as 2. Runs with a WAV, an MP3, a music
# CD and a missing file all end cleanly with the renderer.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder "設定 テスト" "$QUORREL_FAKE_RENDERER")
scr=$(winpath "$folder/Quorrel.scr")
music="$folder/曲 フォルダ"
mkdir -p "$music"
sox -n -r 22050 -c 1 -b 16 "$music/海.wav" synth 2 sine 440
wine "$QUORREL_WRITE_TEST_MP3" "$(winpath "$music/波.mp3")" >"$ARTIFACTS/mp3.txt" 2>&1 </dev/null

# write_settings KIND REPEAT FILE: the settings file in the system code page, as Windows writes it.
write_settings() {
  printf '[Section]\r\nBGM区分=%s\r\nBGMﾘﾋﾟｰﾄ=%s\r\nBGMﾌｧｲﾙ=%s\r\n' "$1" "$2" "$3" |
    iconv -f UTF-8 -t CP932 >"$folder/Quorrel.ini"
}

# The files of the music folder some process holds open; plays FILE: FILE among them.
music_open() { { ls -l /proc/[0-9]*/fd 2>/dev/null || true; } | grep -F "$music" || true; }
plays() { music_open | grep -q -F "$1"; }

# run_until_renderer_ends OPEN_FILE: a /s run; while it lasts, the host holds OPEN_FILE open (or, with
# "-", no file of the music folder); closing the renderer ends the host with code 0.
run_until_renderer_ends() {
  local log=$ARTIFACTS/run_$RANDOM.txt pid open
  drv_bg "$log" start "$scr" /s -- wait-exit 60000
  drv wait-window Vantor_Render 30000 -- attach Vantor_Main >/dev/null
  host_process "$folder" >/dev/null || fail "no host process found"
  if [ "$1" = - ]; then
    # Nothing may be opened while the run lasts a second and a half.
    drv attach Vantor_Main -- alive 1500 >/dev/null
    open=$(music_open)
    [ -z "$open" ] || fail "the host opened music it should not play: $open"
  else
    wait_until 20 plays "$1" || fail "the host does not play $1 (open: $(music_open))"
  fi
  drv post Vantor_Render WM_CLOSE >/dev/null
  wait_line "$log" '^exit code=0$' 5 >/dev/null
}

wav=$(winpath "$music/海.wav")
write_settings 2.9 0 "$wav"
run_until_renderer_ends "$music/海.wav"

write_settings 2 0 "$(winpath "$music/波.mp3")"
run_until_renderer_ends "$music/波.mp3"

write_settings 1 3 ""
run_until_renderer_ends -

write_settings 2 0 "$(winpath "$music/消えた.wav")"
run_until_renderer_ends -

# No number for the kind: nothing plays although the file is there.
write_settings "二" 0 "$wav"
run_until_renderer_ends -
