#!/usr/bin/env bash
# While a run is alive a second host ends at once in every mode; closing the hidden "Vantor_Main"
# window, or Windows asking whether the session may end, ends the run but leaves the renderer alone.
source "$QUORREL_BENCH_LIB"
source "$(dirname "$0")/host_lib.sh"

folder=$(make_folder guard "$QUORREL_FAKE_RENDERER")
scr=$(winpath "$folder/Quorrel.scr")
log=$ARTIFACTS/run.txt

# The background driver holds the host for as long as the test may run: on a busy machine the first
# run alone lasts most of a minute.
start_run() {
  drv_bg "$log" start "$scr" /s -- wait-exit 180000
  drv wait-window Vantor_Render 30000 -- wait-window Vantor_Main 5000 >/dev/null
}

# end_run MESSAGE [WPARAM [LPARAM]]: posted to the run's hidden window, it ends the host but not the renderer.
# The renderer found alive is the one then closed, by its handle, and its end is waited for.
end_run() {
  local out
  drv post Vantor_Main "$@" >/dev/null
  wait_line "$log" '^exit code=0$' 5 >/dev/null
  out=$(drv attach Vantor_Render -- alive 1000 -- post last WM_CLOSE -- wait-exit 10000 2>&1) ||
    fail "the renderer outlives the host ($*), then ends on WM_CLOSE: $out"
  drv wait-no-window Vantor_Render 5000 >/dev/null
}

start_run

for arguments in "/p {parent}" /c /s "" /a; do
  out=$(drv parent 152 112 -- start "$scr" "$arguments" -- wait-exit 5000 -- children "hwnd={parent}")
  host_exits "$out"
  ! grep -q '^child ' <<<"$out" || fail "\"$arguments\" made a preview beside a run: $out"
  [ "$(drv windows | grep -c 'text=Vantor_Main$')" -eq 1 ] || fail "\"$arguments\" made a second run"
  [ "$(drv windows | grep -c 'text=Vantor_Render$')" -eq 1 ] || fail "\"$arguments\" started a renderer"
done

end_run WM_CLOSE
start_run
end_run 0x11 0 0x80000000  # WM_QUERYENDSESSION for a log-off
