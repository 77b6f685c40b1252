#!/usr/bin/env bash
# The real program on a machine whose sound library finds no device (ALSA
# asked for a card that is not there): the game says once that it runs
# silent, keeps its own error lines, lets none of the library's through, and
# plays on until closed.
# Usage: no_sound_device.sh <orvane executable>
# shellcheck disable=SC2154  # log, pid and status belong to the end-to-end helpers
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
ORVANE_E2E_SCREEN=1024x768 own_display "$@"
export SDL_AUDIODRIVER=alsa AUDIODEV=hw:9
log=$(mktemp)
trap 'rm -f "$log"' EXIT

start_game "$1"
# The sound system starts in the first frame, before the logo shows.
for _ in $(seq 50); do
  import -window root "$log.png"
  [ "$(convert "$log.png" -format '%[fx:mean > 0.02]' info:)" = 1 ] && break
  sleep 0.2
done
rm -f "$log.png"
kill -0 "$pid" 2>/dev/null || fail "the game ended without sound"
kill -TERM "$pid"
wait_for_exit
[ "$status" = 0 ] || fail "exit status $status"
grep -q 'FMOD error! << (' "$log" || fail "the game's own sound error lines are missing"
grep -q 'ALSA lib' "$log" && fail "the sound library's own lines came through"
[ "$(grep -c 'runs silent' "$log")" = 1 ] || fail "not exactly one line saying the game runs silent"
echo "PASS"
