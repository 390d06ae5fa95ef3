#!/usr/bin/env bash
# Ends everything the bench in DIR started: Wine's processes of that prefix, then its Xvfb. The prefix
# is removed too (set QUORREL_KEEP_PREFIX=1 to keep it for a look).
set -uo pipefail
dir=${1:?usage: bench-cleanup.sh DIR}
[ -f "$dir/env.sh" ] || exit 0
# shellcheck source=/dev/null
source "$dir/env.sh"

if [ -d "$WINEPREFIX" ]; then
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
fi

# Only our own Xvfb: the pid must still belong to an Xvfb serving our display.
if [ -n "${QUORREL_XVFB_PID:-}" ] && tr '\0' ' ' <"/proc/$QUORREL_XVFB_PID/cmdline" 2>/dev/null | grep -q '^Xvfb '; then
  kill "$QUORREL_XVFB_PID"
  for _ in $(seq 50); do
    state=$(awk '{print $3}' "/proc/$QUORREL_XVFB_PID/stat" 2>/dev/null)
    [ -n "$state" ] && [ "$state" != Z ] || break
    sleep 0.1
  done
fi

[ "${QUORREL_KEEP_PREFIX:-0}" = 1 ] || rm -rf "$WINEPREFIX"
rm -f "$dir/env.sh"
