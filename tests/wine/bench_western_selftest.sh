#!/usr/bin/env bash
# The Western bench: code page 1252 and the same Japanese fonts behind the Windows face names as the
# Japanese bench, which stands beside it; the driver takes and shows Japanese there too.
source "$QUORREL_BENCH_LIB"

out=$(drv acp -- font IPAPGothic -- font "ＭＳ Ｐゴシック" -- font "MS PGothic" -- parent 152 112 "親ウィンドウ" -- \
  window "親ウィンドウ")
expect "$out" '^acp code-page=1252$' "code page 1252"
ipa=$(field "$(grep 'face=IPAPGothic$' <<<"$out")" file)
expect "$out" "^font .*file=$ipa face=ＭＳ Ｐゴシック\$" "ＭＳ Ｐゴシック drawn with IPAPGothic"
expect "$out" "^font .*file=$ipa face=MS PGothic\$" "MS PGothic drawn with IPAPGothic"
expect "$out" '^window .*visible=1 .*text=親ウィンドウ$' "a window found by its Japanese title"
expect "$(on_japanese_bench drv acp)" '^acp code-page=932$' "the Japanese bench beside it"
