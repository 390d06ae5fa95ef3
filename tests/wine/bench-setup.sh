#!/usr/bin/env bash
# Makes the Wine bench in DIR (DRIVER: quorrel-driver.exe): its own Xvfb display, a fresh Wine prefix whose code page
# follows LOCALE (ja_JP.UTF-8, the default: 932; en_US.UTF-8: 1252), silent audio and Japanese font substitutes,
# and a persistent wineserver. Writes DIR/env.sh for the tests.
set -euo pipefail
dir=${1:?usage: bench-setup.sh DIR DRIVER [LOCALE]}
driver=${2:?usage: bench-setup.sh DIR DRIVER [LOCALE]}
locale=${3:-ja_JP.UTF-8}
here=$(cd "$(dirname "$0")" && pwd)

# Whatever an earlier, interrupted run in this folder left behind.
bash "$here/bench-cleanup.sh" "$dir"
mkdir -p "$dir/home"
rm -rf "$dir/prefix"
cd "$dir"

# No sound card here, and none wanted: ALSA's null device swallows whatever Wine plays.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >home/.asoundrc

# The bench's own display; that it never resets also keeps the screen-saver setting (held by the X
# server) alive between Wine processes.
source "$here/../script_lib.sh"
[ "$(LC_ALL=$locale locale charmap 2>/dev/null)" = UTF-8 ] || fail "no locale $locale here (tools/setup.sh makes it)"
start_xvfb "$dir" 1024x768x24
display=$xvfb_display
# Whatever fails from here on, the processes started so far end with this script; once the bench
# stands, bench-cleanup.sh ends them.
bench_failed() {
  local rc=$?
  set +e
  if [ "$rc" -ne 0 ]; then
    [ ! -d "$dir/prefix" ] || WINEPREFIX=$dir/prefix wineserver -k >/dev/null 2>&1
    end_started
  fi
  exit "$rc"
}
trap bench_failed EXIT

cat >env.sh <<ENV
# Written by bench-setup.sh: the environment every Wine call of the tests runs in.
export DISPLAY='$display'
export WINEPREFIX='$dir/prefix'
export HOME='$dir/home'
export LANG=$locale
export LC_ALL=$locale
export WINEDEBUG=-all,err+winediag
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
export PULSE_SERVER=none
unset WAYLAND_DISPLAY
QUORREL_BENCH_DIR='$dir'
QUORREL_XVFB_PID=$xvfb_pid
ENV
# shellcheck source=/dev/null
source env.sh

# One server for the whole run: every later Wine call starts much faster.
mkdir -p "$WINEPREFIX"
setsid wineserver -p >wineserver.log 2>&1 </dev/null || fail "the wineserver did not start: $(cat wineserver.log)"
wineboot -i >wineboot.log 2>&1 </dev/null || fail "wineboot failed: $(cat wineboot.log)"

# Face names the programs ask for, mapped onto the installed IPA fonts. No window manager runs here:
# Wine would wait two seconds for one each time a window it lets one manage is hidden (every dialog,
# message box or renderer that closes), so Wine places and hides its windows itself.
{
  printf '\xff\xfe'
  iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
REG
} >fonts.reg
wine regedit /S 'Z:'"${dir//\//\\}"'\fonts.reg' >regedit.log 2>&1 </dev/null ||
  fail "the font replacements were not stored: $(cat regedit.log)"

# Wine closes an unused desktop and reopening it can take seconds: keep it open for the whole run.
setsid wine "$driver" keep-desktop >keeper.log 2>&1 </dev/null &
started+=($!)
wait_until 30 grep -q '^keeping the desktop' keeper.log || fail "the desktop did not open: $(cat keeper.log)"

started=()
echo "bench: display $display, prefix $WINEPREFIX, $locale"
