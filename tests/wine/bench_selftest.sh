#!/usr/bin/env bash
# The bench itself: code page 932, Japanese fonts behind the Windows face names, a screen-saver flag
# that survives between processes, the driver's parent window and its reading of message boxes.
source "$QUORREL_BENCH_LIB"

out=$(drv acp -- font IPAPGothic -- font "ＭＳ Ｐゴシック" -- font "MS UI Gothic" -- set-screensaver 1)
expect "$out" '^acp code-page=932$' "code page 932"
ipa=$(field "$(grep 'face=IPAPGothic$' <<<"$out")" file)
expect "$out" "^font .*file=$ipa face=ＭＳ Ｐゴシック\$" "ＭＳ Ｐゴシック drawn with IPAPGothic"
expect "$out" "^font .*file=$ipa face=MS UI Gothic\$" "MS UI Gothic drawn with IPAPGothic"

expect "$(drv screensaver)" '^screensaver active=1$' "the flag kept by the X server"
drv set-screensaver 0 >/dev/null
expect "$(drv screensaver)" '^screensaver active=0$' "the flag switched off by another process"
drv set-screensaver 1 >/dev/null

out=$(drv parent 152 112 "親ウィンドウ" -- window "親ウィンドウ" -- window "hwnd={parent}")
expect "$out" '^parent .* client=152x112 .*text=親ウィンドウ$' "a parent window of the asked client size"
expect "$out" '^window .*visible=1 .*text=親ウィンドウ$' "the parent found by title and by handle"

drv_bg "$ARTIFACTS/box.txt" messagebox "Quorrel (ScreenSaver)" "Quorrel.dllが同じﾌｫﾙﾀﾞに見つかりません！"
# Wine builds every button of a message box and then drops those it does not need: wait until it shows.
out=$(drv wait-visible "Quorrel (ScreenSaver)" 10000 -- children last)
expect "$out" '^child .*class=Static .*text=Quorrel.dllが同じﾌｫﾙﾀﾞに見つかりません！$' "the message box's text"
button=$(grep -E '^child .*class=Button .*visible=1 .*text=OK$' <<<"$out")
screenshot messagebox >/dev/null
drv send "hwnd=$(field "$button" handle)" BM_CLICK >/dev/null
wait_line "$ARTIFACTS/box.txt" '^messagebox result=1$' 10 >/dev/null
