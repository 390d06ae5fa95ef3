# Sourced by the settings dialog's Wine tests after the bench's lib.sh: a folder with the program under
# test as Quorrel.scr, the dialog's geometry on the screen, real mouse input and pixel checks.

PROGRAM=${QUORREL_HOST_PROGRAM:?the host program, which opens the dialog with /c}
TITLE='<Quorrel>'
# Child window ids of the dialog's buttons.
CMD_BGM=101 CMD_SET=102 CMD_CAN=103 CMD_ETC=104

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

# The settings file as UTF-8 text without CRs.
ini_text() { iconv -f CP932 -t UTF-8 "$INI" | tr -d '\r'; }

# open_dialog ARG: starts the program and waits for the visible dialog; sets DIALOG_LINE, CHILDREN and
# the client origins DIALOG_X/Y and PANEL_X/Y.
open_dialog() {
  local out panel
  out=$(drv start "$(winpath "$FOLDER/Quorrel.scr")" "$1" -- wait-visible "$TITLE" 20000)
  DIALOG_LINE=$(grep '^window ' <<<"$out")
  sleep 1  # the first paint, and the fonts of a fresh prefix
  CHILDREN=$(drv children "$TITLE")
  out=$(drv client-origin "$TITLE")
  DIALOG_X=$(field "$out" x) DIALOG_Y=$(field "$out" y)
  panel=$(grep 'class=Vantor_P.Pic_C' <<<"$CHILDREN")
  out=$(drv client-origin "hwnd=$(field "$panel" handle)")
  PANEL_X=$(field "$out" x) PANEL_Y=$(field "$out" y)
}

# The dialog has gone and its process ended with code 0.
wait_closed() {
  drv wait-no-window "$TITLE" 10000 >/dev/null
  sleep 1
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
dialog_at() { echo "$((DIALOG_X + $1)) $((DIALOG_Y + $2))"; }

# Real input on the virtual display.
mouse_to() { xdotool mousemove "$1" "$2"; sleep 0.4; }
press() { xdotool mousemove "$1" "$2" mousedown "${3:-1}"; sleep 0.4; }
release() { xdotool mouseup "${1:-1}"; sleep 0.4; }
click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.5; }

# pixel PNG X Y: "r,g,b" of one screen pixel.
pixel() {
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# expect_colour PNG "X Y" "r,g,b" TOLERANCE WHAT: every channel within the tolerance.
expect_colour() {
  local x y got
  read -r x y <<<"$2"
  got=$(pixel "$1" "$x" "$y")
  local IFS=,
  read -r gr gg gb <<<"$got"
  read -r er eg eb <<<"$3"
  for pair in "$gr:$er" "$gg:$eg" "$gb:$eb"; do
    local d=$((${pair%:*} - ${pair#*:}))
    [ "${d#-}" -le "$4" ] || fail "$5: pixel at $x,$y is $got, expected $3 (+-$4) in $1"
  done
}

# Colours of the skins' rings (see tools/art) and of the face gradient's fourth row.
RING2_NORMAL=250,250,255 RING2_HIGHLIGHT=255,230,80 RING2_PRESSED=24,40,120 RING2_SELECTED=170,210,255
RING1_DISABLE=140,140,140 RING1_FRAME=24,40,120
ROW4_LIGHT_ON_TOP=245,245,248 ROW4_SHADE_ON_TOP=207,206,221
MARK_SELECTED=24,40,120 MARK_UNSELECTED=255,255,255

# face PNG ID RING2 ROW4 WHAT: a 25-pixel button shows the skin's second ring and the gradient row.
expect_face() {
  expect_colour "$1" "$(button_at "$2" 2 12)" "$3" 0 "$5 (skin)"
  expect_colour "$1" "$(button_at "$2" 10 4)" "$4" 2 "$5 (gradient)"
}

# expect_mark PNG INDEX SELECTED?: the centre of radio mark Img_BGM(INDEX).
MARK_TOPS=(76 56 96)
expect_mark() {
  local colour=$MARK_UNSELECTED
  [ "$3" = 1 ] && colour=$MARK_SELECTED
  expect_colour "$1" "$(panel_at 26 $((${MARK_TOPS[$2]} + 6)))" "$colour" 0 "mark $2 selected=$3"
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

REPEAT_BOX=100  # the track box's child window id

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

# until_true SECONDS COMMAND..: runs COMMAND every 0.1 s until it succeeds; false after SECONDS.
until_true() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

focus_is() { [ "$(focused_control)" = "$1" ]; }
# wait_focus NAME WHAT: the focus reaches the control within 5 s.
wait_focus() { until_true 5 focus_is "$1" || fail "$2: the focus is on $(focused_control), not $1"; }

repeat_text_is() { [ "$(repeat_text)" = "$1" ]; }
# wait_repeat_text TEXT: the track box shows TEXT within 5 s.
wait_repeat_text() { until_true 5 repeat_text_is "$1" || fail "the track box shows '$(repeat_text)', not '$1'"; }

pixel_is() { [ "$(pixel "$(screenshot "$1")" $2)" = "$3" ]; }
# wait_pixel NAME "X Y" "r,g,b" WHAT: the screenshot NAME shows the colour there within 5 s.
wait_pixel() {
  until_true 5 pixel_is "$1" "$2" "$3" || fail "$4: pixel at $2 is $(pixel "$ARTIFACTS/$1.png" $2), not $3"
}

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
