#!/usr/bin/env bash
# The real program on a machine whose sound library finds no device (ALSA
# asked for a card that is not there), played to the main menu, into the
# credits and back, so that music and clicks are asked for: the game gives the
# failed start's one error line and one line saying it runs silent, repeats no
# line, lets none of the library's through, and plays on until closed.
# Usage: no_sound_device.sh <orvane executable>
# shellcheck disable=SC2154  # log, pid and status belong to the end-to-end helpers
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
ORVANE_E2E_SCREEN=1024x768 own_display "$@"
export SDL_AUDIODRIVER=alsa AUDIODEV=hw:9
screenshot_folder "$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT

start_game "$1"
through_splash_screens
click 477 507
shot credits changed
click 150 577
shot main-menu-again changed
kill -0 "$pid" 2>/dev/null || fail "the game ended without sound"
kill -TERM "$pid"
wait_for_exit
[ "$status" = 0 ] || fail "exit status $status"
grep -q 'ALSA lib' "$log" && fail "the sound library's own lines came through"
[ "$(grep -c 'FMOD error! << (' "$log")" = 1 ] || fail "not exactly one sound error line"
[ "$(grep -c 'runs silent' "$log")" = 1 ] || fail "not exactly one line saying the game runs silent"
repeated=$(grep -v '^$' "$log" | sort | uniq -d)
[ -z "$repeated" ] || fail "lines repeated: $repeated"
echo "PASS"
