#!/usr/bin/env bash
# Plays the real program through every menu with real X input: the splash
# screens, each menu screen and back, full screen off and on, and the quit
# question; keeps a screenshot of each screen.
# Usage: menus_e2e.sh <orvane executable> <screenshot folder>
set -uo pipefail
game=$1
shots=$2
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
mkdir -p "$shots"
rm -f "$shots"/*.png
log=$shots/stdout.txt

fail() {
  echo "FAIL: $*"
  import -window root "$shots/zz-failure.png" 2>/dev/null
  kill "$pid" 2>/dev/null
  echo "--- game output:"; cat "$log"
  exit 1
}

# The game busy-waits out every frame; niced, it leaves the screenshots and
# the input tools their share of a small machine.
nice -n 10 "$game" >"$log" 2>&1 &
pid=$!
win=""
for _ in $(seq 100); do
  win=$(xdotool search --name '^Orvane$' 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.2
done
[ -n "$win" ] || fail "no window titled Orvane"
started=$(date +%s.%N)

geometry() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  echo "${WIDTH}x${HEIGHT}"
}

# Logical 960 x 720 coordinates to the screen, through the window as it is now.
click() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  local sx=$((X + $1 * WIDTH / 960)) sy=$((Y + $2 * HEIGHT / 720))
  xdotool mousemove "$sx" "$sy"
  sleep 0.2
  # Held for several frames: the engine polls the button once a frame, and a
  # software-rendered frame can be long.
  xdotool mousedown 1
  sleep 0.8
  xdotool mouseup 1
  sleep 0.6
}

key() {
  xdotool windowfocus "$win" 2>/dev/null
  xdotool keydown "$1"
  sleep 0.8
  xdotool keyup "$1"
  sleep 0.5
}

# True when two screenshots differ in more than a button's worth of pixels.
differs() {
  local diff
  diff=$(compare -metric AE -fuzz 5% "$1" "$2" null: 2>&1 | cut -d' ' -f1)
  awk -v d="$diff" 'BEGIN { exit !(d + 0 > 20000) }'
}

last=""
# Takes a screenshot; with "changed", fails unless it differs from the previous one.
shot() {
  local file="$shots/$1.png"
  import -window root "$file" || fail "screenshot $1"
  if [ "${2:-}" = changed ] && [ -n "$last" ]; then
    differs "$last" "$file" || fail "$1: the screen did not change"
  fi
  last=$file
}

wait_until() {  # seconds since the window appeared
  local now
  now=$(date +%s.%N)
  local left
  left=$(echo "$1 - ($now - $started)" | bc)
  [ "$(echo "$left > 0" | bc)" = 1 ] && sleep "$left"
}

wait_until 2.0
shot 01-logo
[ "$(geometry)" = 1920x1080 ] || fail "the game did not start in full screen: $(geometry)"
# Clicks on the splash screens go where the main menu has no button, so a
# click that arrives just after a screen ended on its own does nothing more.
click 100 100  # the logo cannot be skipped
wait_until 4.5
for _ in $(seq 20); do
  import -window root "$shots/02-team.png"
  differs "$shots/01-logo.png" "$shots/02-team.png" && break
  sleep 0.2
done
last=$shots/02-team.png
click 100 100
shot 03-main-menu changed

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
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the game is still running after yes"
wait "$pid"
status=$?
[ "$status" = 0 ] || fail "exit status $status"
grep -q "FMOD error" "$log" && fail "sound errors in the output"
echo "PASS: every menu visited, screenshots in $shots"
