#!/usr/bin/env bash
# The options every program of the daemons takes, one dash or two: each run draws the figure where it
# should, in a window of the size, place and depth asked for, with a warning only where the server
# offers no such visual.
source "$(dirname "$0")/x11_fixture.sh"

start_display 1280x1024x24
start_test_window
default_visual=$(xdpyinfo | awk '/default visual id:/ { print $4 }')

# drawn WHERE: the figure shows in the centre of WHERE, "root" or "own" (the window titled Quorrel),
# whose xwininfo geometry and depth then go to own_geometry and own_depth.
drawn() {
    local target=root width=1280 height=1024 info
    if [ "$1" = own ]; then
        target=$(xdotool search --onlyvisible --name '^Quorrel$' 2>/dev/null) && [ -n "$target" ] || return 1
        info=$(xwininfo -id "$target") || return 1
        own_geometry=$(awk '/-geometry/ { print $2 }' <<<"$info")
        own_depth=$(awk '/Depth:/ { print $2 }' <<<"$info")
        width=${own_geometry%%x*}
        height=${own_geometry#*x}
        height=${height%%[+-]*}
    fi
    lit "$target" $((width / 2)) $((height / 2))
}

# WHERE|GEOMETRY|DEPTH|WARNING|OPTIONS: GEOMETRY and DEPTH of the own window (empty: any), WARNING the
# words of the one line on standard error (empty: none).
while IFS='|' read -r where geometry depth warning options; do
    [ -n "$where" ] || continue
    # -window wins over the daemon's window.
    # shellcheck disable=SC2086 # the options are words
    XSCREENSAVER_WINDOW=$([ "$options" = "-window" ] && echo "$window") start_quorrel $options
    wait_until 20 drawn "$where" || fail "$options: nothing drawn in the $where window"
    if [ "$where" = own ]; then
        [ -z "$geometry" ] || [ "$own_geometry" = "$geometry" ] || fail "$options: the window is $own_geometry"
        [ -z "$depth" ] || [ "$own_depth" = "$depth" ] || fail "$options: the window's depth is $own_depth"
    fi
    kill -TERM "$quorrel_pid"
    expect_exit "$quorrel_pid" 5 $((128 + 15))
    if [ -z "$warning" ]; then
        [ ! -s "$WORK/quorrel.err" ] || fail "$options: $(cat "$WORK/quorrel.err")"
    elif [ "$(wc -l <"$WORK/quorrel.err")" -ne 1 ] || ! grep -qF -- "$warning" "$WORK/quorrel.err"; then
        fail "$options: '$(cat "$WORK/quorrel.err")' is not one line saying '$warning'"
    fi
    wait_until 5 eval '! xdotool search --onlyvisible --name "^Quorrel$"' || fail "$options: the window outlived quorrel"
done <<ROWS
root||||-root -no-fps
root||||--root --no-fps
own|640x480+0+0|24||-window
own||||-mono
own||||--install
own||||-noinstall
own||||-pair
own||||-sync
own||||-xrm Quorrel.delay:5
own||||-fps -no-fps
own|320x240+100+50|||-geometry 320x240+100+50
own|300x200-0-0|||--geometry 300x200-0-0
own|640x480+0+0||-geometry 'abc'|-geometry abc
own||24||-visual default
own||24||-visual $default_visual
own||32||-visual TrueColor
own||32||--visual best
own||24|no PseudoColor visual|-visual PseudoColor
own||24|unrecognized visual 'foo'|-visual foo
ROWS
