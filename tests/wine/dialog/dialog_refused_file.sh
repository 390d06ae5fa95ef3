# "..." with a file whose path is longer in the code page than the settings file keeps: one message
# names the file, and the dialog keeps the file chosen before, which "設定" then stores.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/dialog_lib.sh"

music=$ARTIFACTS/music
# A path of 257 bytes in code page 932 but 254 characters: three of two bytes each, ASCII before. (Few
# of them: xdotool now and then loses a character that needs a keymap change.)
prefix=$(winpath "$music/long/")
pad=$(printf 'p%.0s' $(seq $((244 - ${#prefix}))))
long="$music/long/$pad/長長長"
mkdir -p "$long"
for file in "$music/before.wav" "$long/a.wav"; do
  sox -n -r 22050 -c 1 -b 16 "$file" synth 1 sine 440
done
before=$(winpath "$music/before.wav")
write_ini 2 0 "$before"

# refused FILE REGEX: FILE typed into the open-file dialog of "..." shows one message whose text matches
# REGEX. After its OK, "設定" stores the file chosen before.
refused() {
  local out button
  open_dialog /c
  shown "the stored music file" $(mark 2 1) "$(pixel_is "$(button_at $CMD_BGM 1 10)" $RING1_FRAME)"
  click_at $(button_centre $CMD_BGM)
  drv wait-visible 'ﾌｧｲﾙを開く' 15000 -- wait-focus 'ﾌｧｲﾙを開く' 15000 >/dev/null
  type_text "$(winpath "$1")"
  xdotool key Return
  out=$(drv wait-visible 'Quorrel (ScreenSaver)' 10000 -- children last)
  screenshot "refused_$(basename "$(dirname "$1")")" >/dev/null
  expect "$out" "$2" "the message for $1"
  [ "$(grep -c '^child .*class=Static .*visible=1 .*text=.' <<<"$out")" = 1 ] || fail "one message: $out"
  button=$(grep -E '^child .*class=Button .*visible=1 .*text=OK$' <<<"$out")
  drv send "hwnd=$(field "$button" handle)" BM_CLICK >/dev/null
  drv wait-no-window 'Quorrel (ScreenSaver)' 10000 >/dev/null
  ! drv windows | grep -q 'text=ﾌｧｲﾙを開く$' || fail "the open-file dialog is still there"
  click_at $(button_centre $CMD_SET)
  wait_closed
  [ "$(ini_text)" = $'[Section]\nBGM区分=2\nBGMﾘﾋﾟｰﾄ=0\nBGMﾌｧｲﾙ='"$before" ] ||
    fail "the file chosen before was not kept:
$(ini_text)"
}

refused "$long/a.wav" 'text=Z:.*\\music\\long\\pp.*\\長長.*はﾊﾟｽが長すぎます！\(半角254文字まで\)$'
