# The Windows build's frames and palettes for the digest table equal the reference renderer's.
source "$QUORREL_BENCH_LIB"
: "${QUORREL_FRAME_CHECK:?}" "${QUORREL_DIGESTS:?}"

out=$(wine "$QUORREL_FRAME_CHECK" "$(winpath "$QUORREL_DIGESTS")" </dev/null 2>&1) ||
  fail "frames differ from the reference:
$out"
expect "$out" '^sse2: [0-9]+ moments checked' "the SSE2 path checked"
printf '%s\n' "$out"
