#!/usr/bin/env bash
# On 15, 16 and 30-bit displays (narrower and wider channels than the frame's) the program's own
# conversion and stretch give the screen that the X server's own conversion gives when it scales the
# frame, pixel for pixel, and that is the frame to the channels' precision.
source "$(dirname "$0")/x11_fixture.sh"

"$QUORREL_FRAME" --seed 42 --time-ms 5000 --format bgra --out "$WORK/frame.bgra"
convert -size 640x480 -depth 8 "bgra:$WORK/frame.bgra" -alpha off -sample 200% "rgb:$WORK/frame2x.rgb"

# shot WAY: the whole screen, 16 bits a channel, into WAY.rgb; it must be the frame (not the grey first
# one) to within what 5-bit channels keep of 8.
shot() {
    import -silent -window root -depth 16 "rgb:$WORK/$1.rgb" 2>/dev/null &&
        [ "$(compare -metric AE -fuzz 3.2% -size 1280x960 -depth 16 "rgb:$WORK/$1.rgb" \
            -depth 8 "rgb:$WORK/frame2x.rgb" null: 2>&1)" = 0 ]
}

# screen WAY: the pinned frame drawn the way WAY names, shot.
screen() {
    if [ "$1" = own ]; then
        QUORREL_OWN_STRETCH=1 start_quorrel -root --seed 42 --clock-ms 5000
    else
        start_quorrel -root --seed 42 --clock-ms 5000
    fi
    wait_until 20 shot "$1" || fail "depth $depth, $1: the screen never showed the frame"
    kill -TERM "$quorrel_pid"
    expect_exit "$quorrel_pid" 5 $((128 + 15))
}

for depth in 15 16 30; do
    start_display "1280x960x$depth"
    screen server
    screen own
    cmp -s "$WORK/server.rgb" "$WORK/own.rgb" || fail "depth $depth: the own conversion differs from the server's"
done
