# Sourced by the settings dialog's Wine tests after the bench's lib.sh: a folder with the program under
# test as Quorrel.scr, the dialog's geometry on the screen, real mouse input and waits on its pixels.

PROGRAM=${QUORREL_HOST_PROGRAM:?the host program, which opens the dialog with /c}
TITLE='<Quorrel>'
# Child window ids of the dialog's buttons, as the program numbers them.
CHILD_IDS=$(drv child-ids)
CMD_BGM=$(field "$CHILD_IDS" Cmd_BGM) CMD_SET=$(field "$CHILD_IDS" Cmd_Set)
CMD_CAN=$(field "$CHILD_IDS" Cmd_Can) CMD_ETC=$(field "$CHILD_IDS" Cmd_Etc)

# A fresh folder (blank and Japanese in its name) with the program as Quorrel.scr beside a Quorrel.dll.
FOLDER="$ARTIFACTS/設定 フォルダ"
rm -rf "$FOLDER"
mkdir -p "$FOLDER"
cp "$PROGRAM" "$FOLDER/Quorrel.scr"
cp "${QUORREL_RENDERER_FILE:-$PROGRAM}" "$FOLDER/Quorrel.dll"
INI=$FOLDER/Quorrel.ini

# write_ini KIND TRACK FILE: a settings file as the dialog writes it (code page 932, CR LF).
write_ini() {
  printf '[Section]\r\nBGM区分=%s\r\nBGMﾘﾋﾟｰﾄ=%s\r\nBGMﾌｧｲﾙ=%s\r\n' "$1" "$2" "$3" | iconv -f UTF-8 -t CP932 >"$INI"
}

# type_text TEXT: types TEXT where the open-file dialog's focus is. A character without a key of its
# own gets a spare key until it has arrived in the field: Wine reads a changed keymap late on a busy
# machine, and one taken back at once (as xdotool does) loses the character.
type_text() {
  local text=$1 typed= field c keysym spare_key
  field="hwnd=$(field "$(drv focused "$FILE_DIALOG")" handle)"
  spare_key=$(xmodmap -pke | awk 'NF == 3 && $2 > 8 && !found { print $2; found = 1 }')
  [ -n "$spare_key" ] || fail "no spare key in the keymap"
  while [ -n "$text" ]; do
    c=${text:0:1} text=${text:1} typed+=$c
    if [ "$(printf %s "$c" | LC_ALL=C wc -c)" = 1 ]; then
      xdotool type "$c"
      continue
    fi
    keysym=$(printf 'U%04X' "'$c")
    xmodmap -e "keycode $spare_key = $keysym"
    xdotool key "$keysym"
    drv wait-text "$field" "$typed" 10000 >/dev/null
  done
  xmodmap -e "keycode $spare_key ="
}

# The settings file as UTF-8 text without CRs.
ini_text() { iconv -f CP932 -t UTF-8 "$INI" | tr -d '\r'; }

# open_dialog ARG [PROGRAM]: starts the program (Windows path, by default Quorrel.scr in FOLDER) and waits
# for the visible, painted dialog; sets DIALOG_LINE, CHILDREN and the client origins DIALOG_X/Y and
# PANEL_X/Y. A driver in the background holds the process until wait_closed.
open_dialog() {
  local out panel
  xdotool mousemove 0 0  # off the dialog: no button starts highlighted
  DIALOG_LOG=$(mktemp "$ARTIFACTS/dialog.XXXXXX")
  drv_bg "$DIALOG_LOG" start "${2:-$(winpath "$FOLDER/Quorrel.scr")}" "$1" -- wait-visible "$TITLE" 20000 -- \
    children last -- client-origin last -- wait-exit 600000 -- wait-no-window "$TITLE" 10000
  out=$(wait_line "$DIALOG_LOG" '^client-origin ' 30)
  DIALOG_X=$(field "$out" x) DIALOG_Y=$(field "$out" y)
  DIALOG_LINE=$(grep '^window ' "$DIALOG_LOG")
  CHILDREN=$(grep '^child ' "$DIALOG_LOG")
  panel=$(grep 'class=Vantor_P.Pic_C' <<<"$CHILDREN")
  out=$(drv client-origin "hwnd=$(field "$panel" handle)")
  PANEL_X=$(field "$out" x) PANEL_Y=$(field "$out" y)
  # The first paint, slow with the fonts of a fresh prefix: the window, the panel and the big buttons.
  shown_within 30000 "the dialog's first paint" "$(pixel_is "$(dialog_at 5 126)" 220,220,250)" \
    "$(pixel_is "$(panel_at 440 82)" 250,250,250)" \
    $(for id in $CMD_SET $CMD_CAN $CMD_ETC; do pixel_is "$(button_at "$id" 1 10)" "$RING1_FRAME"; done)
}

# The title of "..."'s open-file dialog.
FILE_DIALOG='ﾌｧｲﾙを開く'

# open_file_dialog [PROGRAM]: opens the settings dialog (as open_dialog) and, with "MP3、WAV" chosen,
# its open-file dialog.
open_file_dialog() {
  open_dialog /c "$@"
  click_at $(panel_at 26 102)
  shown "MP3、WAV chosen" $(mark 2 1)  # "..." takes clicks only now
  click_at $(button_centre $CMD_BGM)
  drv wait-visible "$FILE_DIALOG" 15000 >/dev/null
  # Typing goes where the focus is: the file name box (1148) once the dialog has set it.
  for _ in $(seq 100); do
    [ "$(drv focus "$FILE_DIALOG")" = 'focus id=1148' ] && break
    sleep 0.1
  done
}

# The dialog has gone and its process has ended.
wait_closed() {
  expect "$(wait_line "$DIALOG_LOG" '^(gone|error) ' 20)" '^gone ' "the dialog closed"
}

# child_rect ID: "left top right bottom" of a child window of the dialog, on the screen.
child_rect() {
  local line
  line=$(grep -E " id=$1 " <<<"$CHILDREN" | head -n1)
  [ -n "$line" ] || fail "no child with id $1"
  field "$line" rect | tr ',' ' '
}

# Screen point of a button's face pixel (DX, DY from its top-left corner).
button_at() {
  local l t r b
  read -r l t r b < <(child_rect "$1")
  echo "$((l + $2)) $((t + $3))"
}
button_centre() {
  local l t r b
  read -r l t r b < <(child_rect "$1")
  echo "$(((l + r) / 2)) $(((t + b) / 2))"
}
panel_at() { echo "$((PANEL_X + $1)) $((PANEL_Y + $2))"; }
# The screen region (WxH+X+Y) inside the file label's border, where the music file is shown.
file_label() { echo "353x27+$((PANEL_X + 70))+$((PANEL_Y + 117))"; }
# label_picture NAME: a screenshot NAME, and a digest of the file label's pixels in it.
label_picture() { convert "$(screenshot "$1")" -crop "$(file_label)" +repage rgb:- | md5sum; }
dialog_at() { echo "$((DIALOG_X + $1)) $((DIALOG_Y + $2))"; }

# Real input on the virtual display; the tests then wait for what it changes.
mouse_to() { xdotool mousemove "$1" "$2"; }
press() { xdotool mousemove "$1" "$2" mousedown "${3:-1}"; }
release() { xdotool mouseup "${1:-1}"; }
click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

# The skins' rings and the marks' centres, read from the pictures the program is built with (tools/art
# draws them into assets/). asset_colour FILE X Y: "R,G,B" of one pixel.
ASSETS=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../assets" && pwd)
asset_colour() {
  convert "$ASSETS/$1" -crop "1x1+$2+$3" -depth 8 rgb:- | od -An -tu1 | awk '{ print $1 "," $2 "," $3 }'
}
RING2_NORMAL=$(asset_colour skin_normal.bmp 2 12) RING2_HIGHLIGHT=$(asset_colour skin_highlight.bmp 2 12)
RING2_PRESSED=$(asset_colour skin_pressed.bmp 2 12) RING2_SELECTED=$(asset_colour skin_selected.bmp 2 12)
RING1_DISABLE=$(asset_colour skin_disable.bmp 1 12) RING1_FRAME=$(asset_colour skin_normal.bmp 1 12)
MARK_SELECTED=$(asset_colour radio_on.bmp 6 6) MARK_UNSELECTED=$(asset_colour radio_off.bmp 6 6)
# The face gradient's fourth row, the host's own drawing over the skin.
ROW4_LIGHT_ON_TOP=245,245,248 ROW4_SHADE_ON_TOP=207,206,221

# face ID RING2 ROW4: pixel conditions of a 25-pixel button showing the skin's second ring and the
# gradient row.
face() {
  pixel_is "$(button_at "$1" 2 12)" "$2"
  pixel_is "$(button_at "$1" 10 4)" "$3" 2
}

# mark INDEX SELECTED?: the pixel condition of the centre of radio mark Img_BGM(INDEX).
MARK_TOPS=(76 56 96)
mark() {
  local colour=$MARK_UNSELECTED
  [ "$2" = 1 ] && colour=$MARK_SELECTED
  pixel_is "$(panel_at 26 $((${MARK_TOPS[$1]} + 6)))" "$colour"
}

# The track box is enabled (1) or not (0).
expect_repeat_enabled() {
  local style
  style=$(field "$(grep 'class=ComboBox' <<<"$(drv children "$TITLE")")" style)
  [ $(((style & 0x08000000) == 0)) = "$1" ] || fail "track box enabled should be $1 (style $style)"
}

# The text now in the track box.
repeat_text() {
  local combo
  combo=$(grep 'class=ComboBox' <<<"$(drv children "$TITLE")")
  field "$(drv current-text "hwnd=$(field "$combo" handle)")" text
}

# dark_pixels PNG WxH+X+Y: how many pixels of the region are nearly black (caption text).
dark_pixels() {
  convert "$1" -crop "$2" +repage -colorspace Gray -threshold 25% -negate -format '%[fx:int(mean*w*h+0.5)]' info:
}

REPEAT_BOX=$(field "$CHILD_IDS" BGM_Repeat)

# The control of the dialog that has the keyboard focus, by its name in the layout; "none" for none.
focused_control() {
  local line
  line=$(drv focused "$TITLE")
  case "$(field "$line" class)" in
    Vantor_P.Pic_C) echo Pic_C ;;
    Edit) echo BGM_Repeat ;;  # the track box's text field, the only one in the dialog
    *)
      case "$(field "$line" id)" in
        "$CMD_BGM") echo Cmd_BGM ;;
        "$CMD_SET") echo Cmd_Set ;;
        "$CMD_CAN") echo Cmd_Can ;;
        "$CMD_ETC") echo Cmd_Etc ;;
        *) echo none ;;
      esac
      ;;
  esac
}

focus_is() { [ "$(focused_control)" = "$1" ]; }
# wait_focus NAME WHAT: the focus reaches the control within 5 s.
wait_focus() { wait_until 5 focus_is "$1" || fail "$2: the focus is on $(focused_control), not $1"; }

repeat_text_is() { [ "$(repeat_text)" = "$1" ]; }
# wait_repeat_text TEXT: the track box shows TEXT within 5 s.
wait_repeat_text() { wait_until 5 repeat_text_is "$1" || fail "the track box shows '$(repeat_text)', not '$1'"; }

# make_immutable PATH..: chattr +i (root ignores permissions, not this), undone by undo_immutable or
# however the test ends, a signal included.
IMMUTABLE=()
make_immutable() {
  IMMUTABLE+=("$@")
  trap 'rc=$?; set +e; undo_immutable; (exit $rc); bench_finish' EXIT
  trap 'exit 1' INT TERM
  chattr +i "$@"
}
undo_immutable() {
  [ ${#IMMUTABLE[@]} -eq 0 ] || chattr -i "${IMMUTABLE[@]}"
  IMMUTABLE=()
}
