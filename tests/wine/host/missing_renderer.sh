#!/usr/bin/env bash
# Without Quorrel.dll beside it the host shows its one message, in code page 932, and ends once it is
# closed; a preview does not need the renderer.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder "レンダラー なし" none)
scr=$(winpath "$folder/Quorrel.scr")
expect "$(drv acp)" '^acp code-page=932$' "code page 932"

for arguments in /s /c ""; do
  log=$ARTIFACTS/host${arguments//\//_}.txt
  drv_bg "$log" start "$scr" $arguments -- wait-exit 30000
  # Wine builds the box hidden and drops the buttons it does not need before showing it.
  out=$(drv wait-visible "Quorrel (ScreenSaver)" 10000 -- children last)
  expect "$out" '^window .*text=Quorrel \(ScreenSaver\)$' "the box's title for \"$arguments\""
  expect "$out" '^child .*class=Static .*text=Quorrel.dllが同じﾌｫﾙﾀﾞに見つかりません！$' "the box's text for \"$arguments\""
  [ "$(grep -c '^child .*class=Button .*visible=1 ' <<<"$out")" -eq 1 ] || fail "one button only: $out"
  button=$(grep -E '^child .*class=Button .*visible=1 .*text=OK$' <<<"$out")
  drv send "hwnd=$(field "$button" handle)" BM_CLICK >/dev/null
  wait_line "$log" '^exit code=0$' 10 >/dev/null
done

out=$(drv parent 152 112 -- start "$scr" "/p {parent}" -- wait-visible-child "hwnd={parent}" "Preview Window" 10000 2>&1 || true)
expect "$out" '^child .*text=Preview Window$' "the preview inside its parent"
