# shellcheck shell=bash
# Sourced: virtual X displays of the script's own, waits on conditions with timeouts, and a trap that
# ends every process the script started (the ids in started), however the script ends. WORK names a
# folder for the displays' files.
source "$(dirname "${BASH_SOURCE[0]}")/../script_lib.sh"

# start_display GEOMETRY [XVFB OPTION...]: an Xvfb on a display number it picks itself, its id in
# xvfb_pid; DISPLAY is set once it accepts clients.
start_display() {
    start_xvfb "$WORK" "$@"
    export DISPLAY=$xvfb_display
}
