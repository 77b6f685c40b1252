#!/usr/bin/env bash
# Full screen follows the size the window really gets. On a 1366 x 768 screen
# the window is given another size from outside, as a window manager or a
# monitor of another size would: the picture must fill exactly the new size
# and a click must still open the button under the pointer.
# Usage: fullscreen_resize.sh <orvane executable> <screenshot folder>
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
ORVANE_E2E_SCREEN=1366x768 own_display "$@"
export SDL_AUDIODRIVER=dummy
screenshot_folder "$2"

# True when the window's part of a shot looks like a whole-screen shot shrunk
# to the window's size (root mean square error below 8 %).
window_looks_like() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  convert "$1" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/.window.png"
  convert "$2" -resize "${WIDTH}x${HEIGHT}!" "$shots/.reference.png"
  local error
  error=$(compare -metric RMSE "$shots/.window.png" "$shots/.reference.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
  rm -f "$shots/.window.png" "$shots/.reference.png"
  echo "$(basename "$1") against $(basename "$2"): error $error"
  awk -v e="$error" 'BEGIN { exit !(e + 0 < 0.08) }'
}

start_game "$1"
wait_until 1.0
[ "$(geometry)" = 1366x768 ] || fail "the game did not start in full screen: $(geometry)"
through_splash_screens
click 477 437
shot 04-options changed
click 150 577
shot 05-main-menu-again changed

xdotool windowsize "$win" 1024 600
sleep 1
[ "$(geometry)" = 1024x600 ] || fail "the window did not take its new size: $(geometry)"
shot 06-main-menu-resized changed
window_looks_like "$shots/06-main-menu-resized.png" "$shots/05-main-menu-again.png" ||
  fail "the picture does not fill the resized window"
click 477 437
shot 07-options-resized changed
window_looks_like "$shots/07-options-resized.png" "$shots/04-options.png" ||
  fail "the click did not open the options"

kill -TERM "$pid"
wait_for_exit
[ "$status" = 0 ] || fail "exit status $status"
echo "PASS"
