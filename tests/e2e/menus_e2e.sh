#!/usr/bin/env bash
# Plays the real program through every menu with real X input: the splash
# screens, each menu screen and back, full screen off and on, and the quit
# question; keeps a screenshot of each screen.
# Usage: menus_e2e.sh <orvane executable> <screenshot folder>
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
own_display "$@"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
screenshot_folder "$2"

start_game "$1"
wait_until 1.0
[ "$(geometry)" = 1920x1080 ] || fail "the game did not start in full screen: $(geometry)"
through_splash_screens

# A hovered menu button shows its hover face, 10 % larger.
hover 450 297
shot 03-main-menu-new-game-hovered changed

# Every menu screen and back.
click 450 297
shot 04-map-select changed
click 150 577
shot 05-main-menu-again changed
click 480 362
shot 06-help changed
click 830 605
shot 07-help-objective changed
click 130 605
click 130 605
click 477 507
shot 08-credits changed
click 150 577
click 477 437
shot 09-options changed

# Full screen off, then on again, from the options screen.
click 637 360
sleep 0.5
[ "$(geometry)" = 960x720 ] || fail "full screen did not switch off: $(geometry)"
shot 10-options-windowed changed
click 637 360
sleep 0.5
[ "$(geometry)" = 1920x1080 ] || fail "full screen did not switch back on: $(geometry)"
shot 11-options-full-screen changed
click 150 577

# The quit question: Escape shows it and keeps it, no hides it, yes quits.
key Escape
shot 12-quit-question changed
key Escape
click 482 477
shot 13-main-menu-after-no changed
click 482 577
click 480 357
wait_for_exit
[ "$status" = 0 ] || fail "exit status $status"
grep -q "FMOD error" "$log" && fail "sound errors in the output"
echo "PASS: every menu visited, screenshots in $shots"
