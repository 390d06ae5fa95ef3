#!/usr/bin/env bash
# The server's scaling of the frame (RENDER) and quorrel's own stretch give the same root window at
# sizes where their sampling could differ; QUORREL_OWN_STRETCH forces the own stretch only when set to
# something other than empty or 0; a server that offers RENDER but refuses its set-up, and one without
# RENDER, get the own stretch byte for byte, the run going on; the shared pixmap is freed before its
# segment is detached.
source "$(dirname "$0")/x11_fixture.sh"

"$QUORREL_FRAME" --seed 42 --time-ms 5000 --format bgra --out "$WORK/frame.bgra"
convert -size 640x480 -depth 8 "bgra:$WORK/frame.bgra" -alpha off -sample 200% "rgb:$WORK/frame2x.rgb"

# root_shot FILE: the root window as 8-bit RGB; fails while it is all black (before the first frame).
root_shot() {
    import -silent -window root -depth 8 "rgb:$1" 2>/dev/null && [ "$(tr -d '\0' <"$1" | head -c1 | wc -c)" -eq 1 ]
}

# same_picture: the root windows of the two displays, one for each way, are the same bytes.
same_picture() {
    DISPLAY=$own_display root_shot "$WORK/own.rgb" && DISPLAY=$server_display root_shot "$WORK/server.rgb" &&
        cmp -s "$WORK/own.rgb" "$WORK/server.rgb"
}

for size in 1920x1080 1366x768; do
    start_display "${size}x24"
    own_display=$DISPLAY
    QUORREL_OWN_STRETCH=1 start_quorrel -root --seed 42 --clock-ms 5000
    start_display "${size}x24"
    server_display=$DISPLAY
    start_quorrel -root --seed 42 --clock-ms 5000
    wait_until 20 same_picture || fail "$size: the own stretch and the server's scaling show different pictures"
done

# The shared segment is the 640 x 480 frame's for the server's scaling, the 1280 x 960 window's for the
# own stretch.
start_display 1280x960x24
for value_and_bytes in unset:1228800 :1228800 0:1228800 1:4915200 yes:4915200; do
    value=${value_and_bytes%:*}
    if [ "$value" = unset ]; then
        start_quorrel -root
    else
        QUORREL_OWN_STRETCH=$value start_quorrel -root
    fi
    wait_until 20 segment_bytes "$quorrel_pid" || fail "QUORREL_OWN_STRETCH '$value': no shared segment"
    bytes=$(segment_bytes "$quorrel_pid")
    [ "$bytes" = "${value_and_bytes#*:}" ] || fail "QUORREL_OWN_STRETCH '$value': a segment of $bytes bytes"
    kill -TERM "$quorrel_pid"
    expect_exit "$quorrel_pid" 5 $((128 + 15))
done

# A server that refuses the frame's pixmaps after the rest of the set-up has gone out, with and without
# shared pixmaps, and a server without RENDER.
for way in refused refused-no-shm no-render; do
    case $way in
        refused) start_display 1280x960x24 ;;
        refused-no-shm) start_display 1280x960x24 -extension MIT-SHM ;;
        no-render) start_display 1280x960x24 -extension RENDER ;;
    esac
    if [ "$way" = no-render ]; then
        start_quorrel -root --seed 42 --clock-ms 5000
    else
        ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0 LD_PRELOAD=$REFUSE_FRAME_PIXMAPS \
            start_quorrel -root --seed 42 --clock-ms 5000
    fi
    wait_until 20 shows root "$WORK/frame2x.rgb" || fail "$way: the screen never showed the frame"
    running "$quorrel_pid" || fail "$way: quorrel ended"
    kill -TERM "$quorrel_pid"
    expect_exit "$quorrel_pid" 5 $((128 + 15))
done

# The run ends with its window and gives its resources up: the shared pixmap before its segment.
start_display 640x480x24
start_test_window
ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0 LD_PRELOAD=$RECORD_SHM_DETACH \
    start_quorrel -window-id "$window"
wait_until 20 lit "$window" 320 240 || fail "the window stayed black"
kill "$window_pid"
expect_exit "$quorrel_pid" 5 0
[ ! -s "$WORK/quorrel.err" ] || fail "$(cat "$WORK/quorrel.err")"
