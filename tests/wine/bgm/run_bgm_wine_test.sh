#!/usr/bin/env bash
# Runs the music test program under Wine with a null ALSA device as the default output, so that
# wave output exists and sound plays (unheard) on a machine without a sound card.
# Usage: run_bgm_wine_test.sh <bgm_wine_test.exe>   (WINEPREFIX and DISPLAY come from the caller)
set -euo pipefail

exe=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
printf 'pcm.!default { type null }\n' >"$home/.asoundrc"

# The code page of the Japanese locale (932) is the one the paths must survive.
HOME=$home LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=${WINEDEBUG:--all} wine "$exe"
