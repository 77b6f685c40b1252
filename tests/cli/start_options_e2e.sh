#!/usr/bin/env bash
# Starts the real program with --windowed --mute, its sound going to SDL's disk
# driver: a 960x720 window and silence in the main menu. The options screen
# then shows both switches off: one click on each turns full screen and the
# menu music on, a second turns them off again.
# Usage: start_options_e2e.sh <orvane executable> <picture of the main menu> <work folder>
set -uo pipefail
e2e=$(cd "$(dirname "$0")/../e2e" && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$e2e/lib.sh"
own_display "$@"
screenshot_folder "$3"
raw=$shots/output.raw
rm -f "$raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$raw

size() { stat -c %s "$raw"; }
# Bytes of sound that are not silence between two offsets of the output.
sounding() { tail -c +$(($1 + 1)) "$raw" | head -c $(($2 - $1)) | tr -d '\0' | wc -c; }
second=$((44100 * 4))

start_game "$1" --windowed --mute
wait_until 1.0
[ "$(geometry)" = 960x720 ] || fail "--windowed started at $(geometry), not 960x720"
reach_main_menu "$2" || fail "the window never showed the main menu"
sleep 2
menu_end=$(size)
[ "$(sounding $((menu_end - second)) "$menu_end")" = 0 ] || fail "the main menu played sound after --mute"

shot 03-main-menu
click 477 437
shot 04-options changed
click 637 360
sleep 0.5
[ "$(geometry)" = 1920x1080 ] || fail "the full-screen switch was not off: one click gave $(geometry)"
click 637 360
sleep 0.5
[ "$(geometry)" = 960x720 ] || fail "full screen did not switch off again: $(geometry)"

on_at=$(size)
click 637 455
sleep 1.5
[ "$(sounding "$on_at" "$(size)")" -gt 1000 ] || fail "the sound switch was not off: one click played no music"
click 637 455
off_at=$(size)
sleep 1.5
# Skip half a second after the click: what the mixer had already queued.
[ "$(sounding $((off_at + second / 2)) "$(size)")" = 0 ] || fail "sound did not switch off again"
kill -TERM "$pid"
wait_for_exit
echo "PASS: a muted 960x720 start, and both switches turned on and off again"
