#!/usr/bin/env bash
# quorrel under the real xscreensaver daemon with the entry "quorrel -root" (pinned to one frame):
# after -activate the daemon's window shows the frame stretched over the screen, byte for byte at
# depth 24 and to the channels' precision at depth 16; after -deactivate quorrel has ended within a
# second, and the daemon saw no crash and no abnormal end when it stopped a run. At depth 24 the
# settings tool's small preview shows the figure too, and quorrel ends with the tool.
source "$(dirname "$0")/x11_fixture.sh"
source "$(dirname "$0")/daemon_fixture.sh"

"$QUORREL_FRAME" --seed 42 --time-ms 5000 --format bgra --out "$WORK/frame.bgra"
convert -size 640x480 -depth 8 "bgra:$WORK/frame.bgra" -alpha off -sample 200% "rgb:$WORK/frame2x.rgb"

cat >"$daemon_home/.xscreensaver" <<'SETTINGS'
mode: one
selected: 0
timeout: 0:30:00
lock: False
splash: False
fade: False
unfade: False
programs: quorrel -root --seed 42 --clock-ms 5000 \n
SETTINGS
give_home

# Within 1 / 32 of full scale: what 5 or 6-bit channels keep of 8.
for depth_and_fuzz in 24:0 16:3.2; do
    depth=${depth_and_fuzz%:*}
    start_display "1280x960x$depth"
    "${as_user[@]}" xscreensaver -no-splash -verbose >"$WORK/daemon.log" 2>&1 &
    daemon_pid=$!
    started+=("$daemon_pid")
    wait_until 10 "${as_user[@]}" xscreensaver-command -time >/dev/null 2>&1 || fail "depth $depth: the daemon did not start"

    "${as_user[@]}" xscreensaver-command -activate >/dev/null
    wait_until 20 screen_shows "$WORK/frame2x.rgb" "${depth_and_fuzz#*:}" ||
        fail "depth $depth: the daemon's window never showed the frame; $(grep -i quorrel "$WORK/daemon.log")"
    [ "$(quorrel_pids | wc -l)" -eq 1 ] || fail "depth $depth: not one quorrel: $(quorrel_pids)"
    # Selecting the program again while blanked: the daemon stops this run and reports how it ended.
    first=$(quorrel_pids)
    "${as_user[@]}" xscreensaver-command -select 1 >/dev/null
    wait_until 10 eval '[ -n "$(quorrel_pids)" ] && [ "$(quorrel_pids)" != "$first" ]' ||
        fail "depth $depth: -select started no new quorrel"

    "${as_user[@]}" xscreensaver-command -deactivate >/dev/null
    wait_until 1 no_quorrel_left || fail "depth $depth: quorrel still runs a second after -deactivate"
    ! grep -E -i 'abnormally|crashed' "$WORK/daemon.log" || fail "depth $depth: the daemon saw quorrel fail"

    if [ "$depth" = 24 ]; then
        # The settings tool's small preview runs the entry in a window of its own.
        "${as_user[@]}" xscreensaver-settings >"$WORK/settings.log" 2>&1 &
        settings_pid=$!
        started+=("$settings_pid")
        wait_until 20 eval 'preview=$(xdotool search --name "^XScreenSaver Settings Preview$" 2>/dev/null)' ||
            fail "the settings tool showed no preview"
        wait_until 20 lit "$preview" "$(($(xwininfo -id "$preview" | awk '/Width:/ { print $2 }') / 2))" \
            "$(($(xwininfo -id "$preview" | awk '/Height:/ { print $2 }') / 2))" ||
            fail "the settings tool's preview stayed black"
        kill -TERM "$settings_pid"
        wait_until 1 no_quorrel_left || fail "quorrel still runs a second after the settings tool ended"
    fi

    "${as_user[@]}" xscreensaver-command -exit >/dev/null
    expect_exit "$daemon_pid" 10 0
done
