# shellcheck shell=bash disable=SC2034,SC2154
# Shared by the end-to-end scripts: start the real program under X, drive it
# with real input in the game's logical 960 x 720 coordinates, take screenshots.
# Callers set: log (the game's output file) and shots (a folder for screenshots).

export LIBGL_ALWAYS_SOFTWARE=1

# Runs the calling script again on a virtual display of its own, so that no
# other window is found or clicked. Call it first, with the script's arguments.
# The screen is 1920 x 1080 unless ORVANE_E2E_SCREEN names another size. The
# server never resets: a reset, when its last client leaves, drops the
# connection of a program starting at that moment.
own_display() {
  if [ -z "${ORVANE_E2E_X:-}" ]; then
    ORVANE_E2E_X=1 exec xvfb-run -a -s "-screen 0 ${ORVANE_E2E_SCREEN:-1920x1080}x24 -noreset" "$0" "$@"
  fi
}

# An emptied screenshot folder; sets shots and log.
screenshot_folder() {
  shots=$1
  mkdir -p "$shots"
  rm -f "$shots"/*.png
  log=$shots/stdout.txt
}

fail() {
  echo "FAIL: $*"
  [ -n "${shots:-}" ] && import -window root "$shots/zz-failure.png" 2>/dev/null
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  echo "--- game output:"
  cat "$log"
  exit 1
}

# The software renderer failing to start under a loaded virtual display is not
# what these scripts check; a launch that shows it gets one more try.
renderer_failed() {
  grep -q '^Func: VXGfxInit' "$1"
}

# Starts the game (the program, then its arguments) and waits for its window;
# sets pid, win and started.
start_game() {
  game_path=$1
  launch_and_find_window "$@"
  if [ -z "$win" ] && renderer_failed "$log"; then
    echo "note: the renderer did not start; once more"
    launch_and_find_window "$@"
  fi
  [ -n "$win" ] || fail "no window titled Orvane"
  started=$(date +%s.%N)
}

launch_and_find_window() {
  # Software rendering keeps a core busy; niced, the game leaves the
  # screenshots and the input tools their share of a small machine.
  nice -n 10 "$@" >"$log" 2>&1 &
  pid=$!
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --name '^Orvane$' 2>/dev/null | head -1)
    [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
}

geometry() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  echo "${WIDTH}x${HEIGHT}"
}

# Logical coordinates to the screen, through the window as it is now.
click() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  local sx=$((X + $1 * WIDTH / 960)) sy=$((Y + $2 * HEIGHT / 720))
  xdotool mousemove "$sx" "$sy"
  sleep 0.2
  # Held for several frames: the engine polls the button once a frame, and a
  # software-rendered frame on a busy machine can be long.
  xdotool mousedown 1
  sleep 0.8
  xdotool mouseup 1
  sleep 0.6
}

# Rests the cursor on a logical point, without clicking.
hover() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + $1 * WIDTH / 960)) $((Y + $2 * HEIGHT / 720))
  sleep 0.6
}

key() {
  xdotool windowfocus "$win" 2>/dev/null
  xdotool keydown "$1"
  sleep 0.8
  xdotool keyup "$1"
  sleep 0.5
}

# Sleeps until the given number of seconds after the window appeared.
wait_until() {
  local left
  left=$(echo "$1 - ($(date +%s.%N) - $started)" | bc)
  [ "$(echo "$left > 0" | bc)" = 1 ] && sleep "$left"
  return 0
}

# True when two screenshots differ in more than a button's worth of pixels.
differs() {
  local diff
  diff=$(compare -metric AE -fuzz 5% "$1" "$2" null: 2>&1 | cut -d' ' -f1)
  awk -v d="$diff" 'BEGIN { exit !(d + 0 > 20000) }'
}

last=""
# Takes a screenshot; with "changed", waits up to ten seconds for the screen to
# differ from the previous one, and fails if it never does: a frame that runs
# late on a busy machine is not a fault of the game.
shot() {
  local file="$shots/$1.png"
  import -window root "$file" || fail "screenshot $1"
  if [ "${2:-}" = changed ] && [ -n "$last" ]; then
    local tries=0
    until differs "$last" "$file"; do
      tries=$((tries + 1))
      [ "$tries" -le 20 ] || fail "$1: the screen did not change"
      sleep 0.5
      import -window root "$file" || fail "screenshot $1"
    done
  fi
  last=$file
}

# How far the game's window is from a picture that fills it: the RMSE, 0 to 1,
# of both scaled down to 96 x 72 (fast enough to poll on a busy machine).
distance_to() {
  local ref="$shots/.ref-$(basename "$1")"
  [ -f "$ref" ] || convert "$1" -resize '96x72!' "$ref"
  import -window "$win" -resize '96x72!' "$shots/.probe.png" 2>/dev/null || { echo 1; return; }
  compare -metric RMSE "$shots/.probe.png" "$ref" null: 2>&1 | sed -E 's/.*\((.*)\)/\1/'
}

near() {
  awk -v d="$1" -v limit="$2" 'BEGIN { exit !(d + 0 < limit) }'
}

# From the start to the main menu: the logo cannot be skipped, the team picture
# is clicked away. Each screen is told by its background, not by the time it
# should take, so a slow frame or a slow screenshot never loses the way. The
# clicks go where the main menu has no button, so one that lands just after the
# team picture ended on its own does nothing more.
through_splash_screens() {
  local dir pictures menu team
  dir=$(dirname "$game_path")
  for pictures in "$dir"/Resources "$dir"/../share/orvane/Resources "$dir"/../share/games/orvane/Resources; do
    [ -d "$pictures" ] && break
  done
  pictures=$pictures/Background
  wait_until 2.0
  shot 01-logo
  click 100 100
  for _ in $(seq 120); do
    menu=$(distance_to "$pictures/MenuBG.png")
    near "$menu" 0.25 && break
    team=$(distance_to "$pictures/TeamBG.png")
    if near "$team" 0.15; then
      [ -f "$shots/02-team.png" ] || import -window root "$shots/02-team.png"
      click 100 100
    fi
    sleep 0.2
  done
  rm -f "$shots"/.probe.png "$shots"/.ref-*.png
  near "$menu" 0.25 || fail "the main menu never showed"
  shot 03-main-menu
}

# Waits up to ten seconds for the game to end; sets status.
wait_for_exit() {
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the game is still running"
  wait "$pid"
  status=$?
}
