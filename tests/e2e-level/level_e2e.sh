#!/usr/bin/env bash
# Plays the real program into the first map with real X input: build mode, a
# build-bar button, a tower on the grass beside the path, the first wave
# walking into its range; keeps screenshots, then leaves through the pause
# menu and the main menu's quit question.
# Usage: level_e2e.sh <orvane executable> <screenshot folder>
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
own_display "$@"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
screenshot_folder "$2"

# Grid column 4, row 4 of the first map: grass beside the path's first turn.
cell_x=210
cell_y=270

# True when a screen rectangle (WxH+X+Y) differs between two shots in more
# than the given number of pixels.
region_changed() {
  local diff
  convert "$1" -crop "$3" +repage "$shots/.before.png"
  convert "$2" -crop "$3" +repage "$shots/.after.png"
  diff=$(compare -metric AE -fuzz 8% "$shots/.before.png" "$shots/.after.png" null: 2>&1 | cut -d' ' -f1)
  rm -f "$shots/.before.png" "$shots/.after.png"
  awk -v d="$diff" -v m="$4" 'BEGIN { exit !(d + 0 > m) }'
}

# The cell on the screen (the full-screen scale is 2 x 1.5); a tower covers
# about a third of it.
cell_rect=120x90+$((cell_x * 2 - 60))+$((cell_y * 3 / 2 - 45))
# The path's first stretch, row 3 from the entry to the first turn.
path_rect=720x90+0+270

start_game "$1"
wait_until 1.0
[ "$(geometry)" = 1920x1080 ] || fail "the game did not start in full screen: $(geometry)"
through_splash_screens

click 450 297
shot 04-map-select changed
click 350 400
# The level's own clock for wait_until: the first monster comes about 13 s
# after the level starts.
started=$(date +%s.%N)
wait_until 1.5
shot 05-level-start changed

key b
click 495 655
xdotool mousemove $((cell_x * 2 + 200)) $((cell_y * 3 / 2))
sleep 0.5
shot 06-tower-in-hand
click $cell_x $cell_y
xdotool mousemove 960 540
sleep 0.5
shot 07-tower-built
region_changed "$shots/05-level-start.png" "$shots/07-tower-built.png" "$cell_rect" 1800 ||
  fail "no tower on the clicked cell"

wait_until 16.0
shot 08-first-wave
region_changed "$shots/07-tower-built.png" "$shots/08-first-wave.png" "$path_rect" 1500 || fail "no monsters on the path"
wait_until 19.0
shot 09-first-wave-later
region_changed "$shots/08-first-wave.png" "$shots/09-first-wave-later.png" "$path_rect" 1500 ||
  fail "the monsters did not move"
# A click on the tower opens its range circle and its upgrade and sell cells.
click $cell_x $cell_y
sleep 1.0
shot 10-tower-selected

# Out through the pause menu: return to menu, yes; then exit, yes.
key Escape
shot 11-paused changed
click 480 477
shot 12-return-question changed
click 480 357
shot 13-main-menu changed
click 482 577
click 480 357
wait_for_exit
[ "$status" = 0 ] || fail "exit status $status"
grep -q "FMOD error" "$log" && fail "sound errors in the output"
echo "PASS: a tower built in the first map and the first wave met; screenshots in $shots"
