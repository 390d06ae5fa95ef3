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

# end_server PID NAME: ends our own X server, if the pid still belongs to a server of that name.
end_server() {
  [ -n "$1" ] && tr '\0' ' ' <"/proc/$1/cmdline" 2>/dev/null | grep -q "^$2 " || return 0
  kill "$1"
  for _ in $(seq 50); do
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)
    [ -n "$state" ] && [ "$state" != Z ] || break
    sleep 0.1
  done
}
end_server "${QUORREL_XEPHYR_PID:-}" Xephyr
end_server "${QUORREL_XVFB_PID:-}" Xvfb

[ "${QUORREL_KEEP_PREFIX:-0}" = 1 ] || rm -rf "$WINEPREFIX"
rm -f "$dir/env.sh"
