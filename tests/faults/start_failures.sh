#!/usr/bin/env bash
# The real program where it cannot start: no display at all (a text console,
# ssh), and a display without OpenGL. Each run must end at once with status 1
# and one line saying what failed, before any frame runs: the sound system,
# started in the first frame, must not have said anything. Prints how long
# each run took.
# Usage: start_failures.sh <orvane executable>
set -uo pipefail
game=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# A sound system that cannot start says so: the mark of a frame that ran.
export SDL_AUDIODRIVER=no-such-driver LIBGL_ALWAYS_SOFTWARE=1
failed=0

# run NAME COMMAND...: runs it (at most 20 s) and sets status.
run() {
  local name=$1 start
  shift
  start=$(date +%s.%N)
  timeout 20 "$@" >"$out" 2>&1
  status=$?
  printf '%s: status %d after %.2f s\n' "$name" "$status" "$(echo "$(date +%s.%N) - $start" | bc)"
}

# expect_refusal NAME PATTERN COMMAND...
expect_refusal() {
  local name=$1 pattern=$2 ok=1
  shift 2
  run "$name" "$@"
  [ "$status" = 1 ] || { echo "  expected status 1"; ok=0; }
  [ "$(grep -c -- "$pattern" "$out")" = 1 ] || { echo "  expected one line matching '$pattern'"; ok=0; }
  grep -q 'FMOD error' "$out" && { echo "  a frame ran: the sound system started"; ok=0; }
  if [ "$ok" = 0 ]; then
    failed=1
    echo "--- output:"
    cat "$out"
  fi
}

expect_refusal "no display" '^no display: ' env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$game"
# The server must not reset when the game leaves: a reset signals xvfb-run,
# and dash, taking that signal while it removes its folder, reports the
# removal failed (status 5, about one run in fifteen on a busy machine).
expect_refusal "no OpenGL on the display" '^The window could not be made: ' \
  xvfb-run -a -s "-extension GLX -screen 0 1280x1024x24 -noreset" "$game"

# Asked for by name, the window-less driver is the user's choice: no refusal.
run "the offscreen driver by name" env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=offscreen \
  timeout -s TERM 3 "$game"
if grep -q '^no display: ' "$out"; then
  echo "  refused a driver named in SDL_VIDEODRIVER"
  failed=1
fi

[ "$failed" = 0 ] && echo PASS
exit "$failed"
