# The installer of this build in and out of the bench's prefix: it speaks the system's language;
# silent, it puts the programs with their name, icon and version into the
# user's Programs folder and makes Quorrel the screen saver by a path without blanks; the settings
# dialog stores a choice there that a run then uses, a reinstall keeps it, an install into another
# folder moves it there; the uninstaller, however its path is spelt, ends a running Quorrel, removes
# everything with the folders made for it and gives back the previous screen saver and its switch,
# unless the user has chosen another one since. "その他の作品" opens the page installed with them.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/../dialog/dialog_lib.sh"
source "$(dirname "$0")/install_lib.sh"

VERSION=${QUORREL_VERSION:?the project version}
PREVIOUS='C:\windows\system32\previous.scr'
# Where Wine looks for the browser it hands pages to, and the file type that sends .html files there
# (which this prefix, made without Wine's own browser engine, lacks).
BROWSER_KEY='HKCU\Software\Wine\WineBrowser'
HTML_KEY='HKLM\Software\Classes\.html'

# Whatever happens, the prefix is left as it was for the tests that follow.
desktop=$(desktop_values)
saver_before=$(value_of "$desktop" SCRNSAVE.EXE) || saver_before=-
active_before=$(value_of "$desktop" ScreenSaveActive) || active_before=-
location="$(wine cmd /c echo '%LOCALAPPDATA%' </dev/null | tr -d '\r')\\Programs\\Quorrel"
DIR=$(realpath -m "$(winepath -u "$location" </dev/null)")
programs=$(dirname "$DIR")
programs_before=$([ -d "$programs" ] && echo 1 || echo 0)
PUBLIC=$WINEPREFIX/drive_c/users/Public
undo_install() {
  rm -rf "$PUBLIC/ソフト 表示"
  put_value "$DESKTOP" SCRNSAVE.EXE "$saver_before"
  put_value "$DESKTOP" ScreenSaveActive "$active_before"
  put_value "$BROWSER_KEY" Browsers -
  wine reg delete "$HTML_KEY" /f </dev/null >/dev/null 2>&1 || true
  wine reg delete "$UNINSTALL" /f </dev/null >/dev/null 2>&1 || true
  rm -rf "$DIR"
  [ "$programs_before" = 1 ] || rmdir "$programs" 2>/dev/null || true
}
trap 'rc=$?; undo_install; (exit "$rc"); bench_finish' EXIT

# Japanese on a Japanese system, English on any other, either starting with its first page, no message
# before it; closing that page installs nothing.
for pair in 'ja_JP.UTF-8:Quorrel セットアップ' 'C.UTF-8:Quorrel Setup'; do
  LANG=${pair%%:*} LC_ALL=${pair%%:*} wine "$SETUP" </dev/null >>"$ARTIFACTS/setup.txt" 2>&1 &
  BENCH_BACKGROUND+=($!)
  out=$(drv wait-visible "${pair#*:}" 15000 -- children last)
  ! grep -q ' id=65535 ' <<<"$out" || fail "a message before the first page: $out"
  drv attach "${pair#*:}" -- post last WM_CLOSE -- wait-exit 10000 >/dev/null
done
[ ! -e "$DIR" ] || fail "a cancelled install left $DIR"

put_value "$DESKTOP" SCRNSAVE.EXE "$PREVIOUS"
put_value "$DESKTOP" ScreenSaveActive 0
wine "$SETUP" /S </dev/null >>"$ARTIFACTS/setup.txt" 2>&1 || fail "the silent install failed"
cmp "$DIR/Quorrel.scr" "$QUORREL_HOST_PROGRAM" || fail "Quorrel.scr is not this build's"
cmp "$DIR/Quorrel.dll" "$QUORREL_RENDERER_FILE" || fail "Quorrel.dll is not this build's"
[ -f "$DIR/Uninstall.exe" ] || fail "no Uninstall.exe"

desktop=$(desktop_values)
saver_names_installed >/dev/null
[ "$(value_of "$desktop" ScreenSaveActive)" = 1 ] || fail "ScreenSaveActive: $desktop"
key=$(reg_values "$UNINSTALL") || fail "no uninstall key"
for pair in "DisplayName=Quorrel" "DisplayVersion=$VERSION" "DisplayIcon=$location\\Quorrel.scr" \
  "UninstallString=\"$location\\Uninstall.exe\"" "QuietUninstallString=\"$location\\Uninstall.exe\" /S" \
  "InstallLocation=$location" "NoModify=0x1" "NoRepair=0x1"; do
  [ "$(value_of "$key" "${pair%%=*}")" = "${pair#*=}" ] || fail "uninstall key: expected ${pair}, got
$key"
done
size_kb=$((($(stat -c %s "$DIR/Quorrel.scr" "$DIR/Quorrel.dll" | paste -sd+)) / 1024))
[ "$(($(value_of "$key" EstimatedSize)))" -ge "$size_kb" ] || fail "EstimatedSize below ${size_kb} KB: $key"

# What another program reads from the installed files.
for program in "Quorrel.scr:Quorrel screen saver" "Quorrel.dll:Quorrel renderer"; do
  file=$(winpath "$DIR/${program%%:*}")
  out=$(drv version-info "$file" -- first-icon "$file")
  expect "$out" "^version file=$VERSION.0 product=$VERSION.0\$"
  expect "$out" '^version-text key=ProductName text=Quorrel$'
  expect "$out" "^version-text key=ProductVersion text=$VERSION\$"
  expect "$out" "^version-text key=FileDescription text=${program#*:}\$"
  expect "$out" '^icon id=1$' "the program icon as the first icon group"
done
expect "$(drv load-string "$(winpath "$DIR/Quorrel.scr")" 1)" '^string id=1 text=Quorrel$'

FOLDER=$DIR INI=$DIR/Quorrel.ini

# "その他の作品" in the installed dialog opens the page beside the programs, in the browser Wine hands
# pages to: here a stand-in that notes the address it was given.
browsed=$ARTIFACTS/browsed.txt
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >"%s"\n' "$browsed" >"$ARTIFACTS/browser.sh"
chmod +x "$ARTIFACTS/browser.sh"
put_value "$BROWSER_KEY" Browsers "$ARTIFACTS/browser.sh"
wine reg add "$HTML_KEY" /ve /d htmlfile /f </dev/null >/dev/null 2>&1 || fail "the .html file type was not stored"
open_dialog /c
click_at $(button_centre $CMD_ETC)
wait_until 20 test -s "$browsed" || fail "その他の作品 opened nothing"
page=$(sed -n 's|^file://||p' "$browsed")
page=$(printf '%b' "${page//%/\\x}")  # the address's %XX escapes
[ -n "$page" ] && [ "$(realpath -m "$page")" = "$(realpath "$DIR/Quorrel.html")" ] ||
  fail "その他の作品 opened $(cat "$browsed"), not $DIR/Quorrel.html"
click_at $(button_centre $CMD_CAN)
wait_closed

# The installed dialog stores a music file beside the installed program.
music=$ARTIFACTS/music/tide.wav
mkdir -p "$(dirname "$music")"
sox -n -r 22050 -c 1 -b 16 "$music" synth 2 sine 330
open_file_dialog
xdotool type "$(winpath "$music")"
xdotool key Return
drv wait-no-window 'ﾌｧｲﾙを開く' 10000 >/dev/null
click_at $(button_centre $CMD_SET)
wait_closed
expected=$'[Section]\nBGM区分=2\nBGMﾘﾋﾟｰﾄ=0\nBGMﾌｧｲﾙ='"$(winpath "$music")"
[ "$(ini_text)" = "$expected" ] || fail "settings file beside the installed program:
$(ini_text)"
cp "$INI" "$ARTIFACTS/stored.ini"

# Installing again replaces the programs and keeps the settings.
wine "$SETUP" /S </dev/null >>"$ARTIFACTS/setup.txt" 2>&1 || fail "the second silent install failed"
cmp -s "$INI" "$ARTIFACTS/stored.ini" || fail "the reinstall changed Quorrel.ini"

# Installed into another folder, made by the installer, with a blank and Shift-JIS second bytes 0x5C
# (ソ, 表) in its name, Quorrel moves there: the old copy and the folder made for it go, Quorrel.ini
# comes along.
moved='C:\users\Public\ソフト 表示\Quorrel'
out=$(drv start "$(winpath "$SETUP")" /S "/D=$moved" -- wait-exit 60000)
expect "$out" '^exit code=0$' "the install into another folder"
[ ! -e "$DIR" ] || fail "the old copy is still there: $(ls -A "$DIR")"
[ "$programs_before" = 1 ] || [ ! -e "$programs" ] || fail "the folder made for the old copy is still there"
default_dir=$DIR
DIR="$PUBLIC/ソフト 表示/Quorrel" INI="$PUBLIC/ソフト 表示/Quorrel/Quorrel.ini"
cmp -s "$INI" "$ARTIFACTS/stored.ini" || fail "Quorrel.ini did not come along"
[ "$(value_of "$(reg_values "$UNINSTALL")" InstallLocation)" = "$moved" ] || fail "the uninstall key names another folder"

# Started as Windows starts the screen saver, the setting's path with " /s" unquoted, the installed
# program plays the stored file with the installed renderer; the uninstaller, started through another
# spelling of its folder, ends it, takes everything away with the folder made for it, and gives back the
# previous screen saver switched off as it was.
log=$ARTIFACTS/run.txt
saver=$(saver_names_installed)
drv_bg "$log" start-unquoted "$saver" /s -- wait-exit 60000
drv wait-window Vantor_Render 30000 -- wait-window Vantor_Main 5000 >/dev/null
# Every file open by any process (ls fails on processes that end meanwhile).
open_files() { ls -l /proc/[0-9]*/fd 2>/dev/null || true; }
for _ in $(seq 100); do
  grep -q -F "$music" <<<"$(open_files)" && break
  sleep 0.1
done
grep -q -F "$music" <<<"$(open_files)" || fail "the run does not play the stored music file"
grep -q -l -F "$DIR/Quorrel.dll" /proc/[0-9]*/maps 2>/dev/null || fail "the installed renderer is not running"

uninstall "$(winpath "$DIR/Uninstall.exe")"
wait_line "$log" '^exit code=' 10 >/dev/null
out=$(drv windows)
! grep -q -E 'class=(Vantor_Render|Quorrel_RunForm) ' <<<"$out" || fail "Quorrel still runs after uninstalling"
reg_values "$UNINSTALL" >/dev/null && fail "the uninstall key is still there"
[ ! -e "$PUBLIC/ソフト 表示" ] || fail "the folder the installer made is still there"
[ -d "$PUBLIC" ] || fail "the uninstaller removed a folder it did not make"
desktop=$(desktop_values)
[ "$(value_of "$desktop" SCRNSAVE.EXE)" = "$PREVIOUS" ] || fail "the previous screen saver is not back: $desktop"
[ "$(value_of "$desktop" ScreenSaveActive)" = 0 ] || fail "the screen saver is not switched off again: $desktop"
DIR=$default_dir INI=$default_dir/Quorrel.ini

# A screen saver chosen after the install stays chosen; a settings dialog busy with its open-file
# dialog is ended all the same.
wine "$SETUP" /S </dev/null >>"$ARTIFACTS/setup.txt" 2>&1 || fail "the third silent install failed"
put_value "$DESKTOP" SCRNSAVE.EXE 'C:\windows\system32\chosen.scr'
open_file_dialog
uninstall
out=$(drv windows)
! grep -q -E 'class=Vantor_P ' <<<"$out" || fail "the settings dialog still runs after uninstalling"
[ "$(value_of "$(desktop_values)" SCRNSAVE.EXE)" = 'C:\windows\system32\chosen.scr' ] ||
  fail "the uninstaller replaced a screen saver chosen since the install"
