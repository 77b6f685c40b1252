#!/usr/bin/env bash
# The real program closed from outside in the team picture, the map selection,
# the level and the paused level: each run must end with status 0 and no
# sanitizer or assertion report. (The logo is closed by the gl tests.)
# Usage: close_in_screens.sh ORVANE VX_CLOSE_WINDOW
# shellcheck disable=SC2034,SC2154  # pid, win and status belong to the end-to-end helpers
set -uo pipefail
game=$1
closer=$2
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
own_display "$@"
export SDL_AUDIODRIVER=dummy
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
log=$shots/stdout.txt

close_now() {
  "$closer" "$win" || fail "$1: could not send the close request"
  wait_for_exit
  [ "$status" = 0 ] || fail "$1: exit status $status after the close"
  grep -qE 'VX_ASSERT_MESG|HALT:|CHECK_GL_ERROR|ERROR: AddressSanitizer|runtime error' "$log" &&
    fail "$1: an error report before the exit"
  echo "closed in $1: status 0"
  pid=""
}

# The team picture: wait for the logo to give way, then close.
start_game "$game"
wait_until 2.0
shot 01-logo
for _ in $(seq 60); do
  import -window root "$shots/probe.png"
  differs "$shots/01-logo.png" "$shots/probe.png" && break
  sleep 0.2
done
close_now "the team picture"

start_game "$game"
through_splash_screens
click 450 297
close_now "the map selection"

start_game "$game"
through_splash_screens
click 450 297
click 350 400  # the first map
sleep 2
close_now "the level"

start_game "$game"
through_splash_screens
click 450 297
click 350 400
sleep 1
key Escape
close_now "the paused level"
echo PASS
