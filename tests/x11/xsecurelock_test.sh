#!/usr/bin/env bash
# quorrel under the real xsecurelock, named by XSECURELOCK_SAVER: directly (xsecurelock runs it as
# "quorrel -root"), and through its xscreensaver module with the entry "quorrel -root" (pinned to one
# frame). The figure shows in the locker's window; ending xsecurelock ends quorrel within a second.
source "$(dirname "$0")/x11_fixture.sh"
source "$(dirname "$0")/daemon_fixture.sh"

"$QUORREL_FRAME" --seed 42 --time-ms 5000 --format bgra --out "$WORK/frame.bgra"
convert -size 640x480 -depth 8 "bgra:$WORK/frame.bgra" -alpha off -sample 200% "rgb:$WORK/frame2x.rgb"
printf '%s\n' 'programs: quorrel -root --seed 42 --clock-ms 5000 \n' >"$daemon_home/.xscreensaver"
give_home
start_display 1280x960x24

# locked SAVER [VARIABLE=VALUE...]: xsecurelock with XSECURELOCK_SAVER=SAVER in the background.
locked() {
    "${as_user[@]}" env XSECURELOCK_SAVER="$1" "${@:2}" xsecurelock >"$WORK/locker.log" 2>&1 &
    locker_pid=$!
    started+=("$locker_pid")
}

# unlocked: SIGTERM ends xsecurelock, and with it quorrel.
unlocked() {
    kill -TERM "$locker_pid"
    wait_until 1 no_quorrel_left || fail "quorrel still runs a second after xsecurelock was ended"
    expect_exit "$locker_pid" 5 $((128 + 15))
}

locked "$quorrel_exe"
wait_until 20 lit root 640 480 || fail "XSECURELOCK_SAVER=quorrel: the centre stayed black; $(cat "$WORK/locker.log")"
unlocked

locked saver_xscreensaver XSECURELOCK_XSCREENSAVER_PATH="$(dirname "$quorrel_exe")"
wait_until 20 screen_shows "$WORK/frame2x.rgb" 0 ||
    fail "saver_xscreensaver: the screen never showed the frame; $(cat "$WORK/locker.log")"
unlocked
