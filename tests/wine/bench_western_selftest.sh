#!/usr/bin/env bash
# The Western bench: code page 1252 and the same Japanese fonts behind the Windows face names as the
# Japanese bench, which stands beside it.
source "$QUORREL_BENCH_LIB"

out=$(drv acp -- font IPAPGothic -- font "MS PGothic")
expect "$out" '^acp code-page=1252$' "code page 1252"
ipa=$(field "$(grep 'face=IPAPGothic$' <<<"$out")" file)
expect "$out" "^font .*file=$ipa face=MS PGothic\$" "MS PGothic drawn with IPAPGothic"
expect "$(on_japanese_bench drv acp)" '^acp code-page=932$' "the Japanese bench beside it"
