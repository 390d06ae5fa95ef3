# Sourced by the installer's Wine tests after dialog_lib.sh: the installer, the registry and the
# uninstaller, on the bench's code page.

CODE_PAGE=$(field "$(drv acp)" code-page)
SETUP=${QUORREL_SETUP:?the installer}
DESKTOP='HKCU\Control Panel\Desktop'
UNINSTALL='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorrel'

# The values of a registry key, one "NAME<tab>DATA" line each; fails when the key does not exist
# (what reg says then is in $ARTIFACTS/reg.txt).
reg_values() {
  wine reg query "$1" </dev/null 2>"$ARTIFACTS/reg.txt" | iconv -f "CP$CODE_PAGE" -t UTF-8 | tr -d '\r' |
    sed -n 's/^    \(.*\)    REG_[A-Z_]*    \(.*\)$/\1\t\2/p; s/^    \(.*\)    REG_[A-Z_]*$/\1\t/p'
}
# desktop_values: the values of $DESKTOP, a key that always exists.
desktop_values() {
  reg_values "$DESKTOP" || fail "cannot read $DESKTOP: $(cat "$ARTIFACTS/reg.txt")"
}
# value_of "$(reg_values KEY)" NAME: the data of one value; fails when there is no such value.
value_of() { grep -m1 -P "^\Q$2\E\t" <<<"$1" | cut -f2-; }
# put_value KEY NAME DATA: sets a string value, or deletes it when DATA is "-".
put_value() {
  if [ "$3" = - ]; then
    wine reg delete "$1" /v "$2" /f </dev/null >/dev/null 2>&1 || true
  else
    wine reg add "$1" /v "$2" /d "$3" /f </dev/null >/dev/null 2>&1
  fi
}
# uninstall [PATH]: runs the uninstaller (PATH, by default the Unix path of the one in $DIR) silently
# and waits for its real end: it copies itself to the temporary folder and goes on from there, and its
# last step deletes the uninstall key, after the install folder.
uninstall() {
  wine "${1:-$DIR/Uninstall.exe}" /S </dev/null >>"$ARTIFACTS/uninstall.txt" 2>&1 ||
    fail "the uninstaller failed: $(cat "$ARTIFACTS/uninstall.txt")"
  for _ in $(seq 300); do
    [ -e "$DIR" ] || reg_values "$UNINSTALL" >/dev/null || return 0
    sleep 0.1
  done
  fail "the uninstaller has not ended 30 s after it started: $(ls -A "$DIR" 2>/dev/null) $(reg_values "$UNINSTALL")"
}

# saver_names_installed: SCRNSAVE.EXE names $DIR/Quorrel.scr by a path without blanks (Windows appends
# " /s" unquoted); prints that path.
saver_names_installed() {
  local saver
  saver=$(value_of "$(desktop_values)" SCRNSAVE.EXE) || fail "no SCRNSAVE.EXE"
  [[ $saver != *' '* ]] || fail "SCRNSAVE.EXE has a blank: $saver"
  [ "$(winepath -u "$saver" </dev/null 2>/dev/null)" -ef "$DIR/Quorrel.scr" ] ||
    fail "SCRNSAVE.EXE $saver is not $DIR/Quorrel.scr"
  printf '%s\n' "$saver"
}
