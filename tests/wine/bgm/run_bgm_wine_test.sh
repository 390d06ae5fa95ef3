#!/usr/bin/env bash
# The music module against Wine's winmm. The bench's HOME holds an .asoundrc that makes ALSA's null
# device the default output, so wave output exists and sound plays unheard without a sound card.
source "$QUORREL_BENCH_LIB"
: "${QUORREL_BGM_TEST:?path of bgm_wine_test.exe}"

grep -q 'pcm.!default { type null }' "$HOME/.asoundrc" || fail "no null ALSA device in $HOME/.asoundrc"
rc=0
wine "$QUORREL_BGM_TEST" >"$ARTIFACTS/bgm.txt" 2>"$ARTIFACTS/bgm-stderr.txt" </dev/null || rc=$?
cat "$ARTIFACTS/bgm.txt"
[ "$rc" -eq 0 ] || fail "bgm_wine_test: $rc checks failed"
expect "$(cat "$ARTIFACTS/bgm.txt")" '^0 failed' "the test program ran to its end"
