#!/usr/bin/env bash
# The settings file on the real profile functions under code page 932: the keys and a Japanese music
# path are stored in Shift-JIS, exactly as written by hand, and come back unchanged, also beside a
# program in a folder whose name the code page cannot write.
source "$QUORREL_BENCH_LIB"

folder="$ARTIFACTS/設定 Café 𠮷"
mkdir -p "$folder"
cp "$QUORREL_SETTINGS_FILE_TEST" "$folder/settings_file_test.exe"
rc=0
wine "$folder/settings_file_test.exe" >"$ARTIFACTS/out.txt" 2>"$ARTIFACTS/stderr.txt" </dev/null || rc=$?
cat "$ARTIFACTS/out.txt"
[ "$rc" -eq 0 ] || fail "settings_file_test: $(cat "$ARTIFACTS/out.txt")"

printf '[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=%s\\曲 フォルダ\\海の歌.mp3\r\n' "$(winpath "$ARTIFACTS")" |
  iconv -f UTF-8 -t CP932 >"$ARTIFACTS/expected.ini"
cmp "$ARTIFACTS/expected.ini" "$folder/Quorrel.ini" ||
  fail "the file is not the Shift-JIS text: $(od -c "$folder/Quorrel.ini" | head -20)"
