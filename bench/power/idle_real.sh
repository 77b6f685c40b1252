#!/usr/bin/env bash
# The real program idling, as a player leaves it: CPU of the whole process
# (every thread, from /proc/PID/stat) per second in the main menu and in a
# fresh level, windowed (or full screen with -f: the game's default) on a
# 1920x1080 virtual display of its own with Mesa's software renderer.
# Several programs (an older build first, say) run in turns, and each
# prints the median over the rounds.
# Usage: idle_real.sh [-f] [-r ROUNDS] [-s SECONDS] ORVANE...
set -uo pipefail
rounds=3
seconds=5
full=""
while getopts fr:s: opt; do
  case $opt in
    f) full=-f ;;
    r) rounds=$OPTARG ;;
    s) seconds=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] || { echo "usage: $0 [-f] [-r ROUNDS] [-s SECONDS] ORVANE..."; exit 2; }
if [ -z "${ORVANE_IDLE_X:-}" ]; then
  ORVANE_IDLE_X=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" $full -r "$rounds" -s "$seconds" "$@"
fi
window=--windowed
shown=windowed
[ -n "$full" ] && window="" && shown="full screen"
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy
ticks=$(getconf CLK_TCK)
results=$(mktemp)
trap 'rm -f "$results"' EXIT

# CPU ticks of a process so far: user plus system time of all its threads.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# Cores used by process $1 over $seconds.
cores() {
  local a b
  a=$(cpu_ticks "$1")
  sleep "$seconds"
  b=$(cpu_ticks "$1")
  awk -v a="$a" -v b="$b" -v t="$ticks" -v s="$seconds" 'BEGIN { printf "%.3f", (b - a) / t / s }'
}

# A click at logical (x, y) of the 960 x 720 view, stretched over the window.
click() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + $1 * WIDTH / 960)) $((Y + $2 * HEIGHT / 720))
  sleep 0.2
  xdotool mousedown 1
  sleep 0.5
  xdotool mouseup 1
  sleep 1.5
}

for round in $(seq "$rounds"); do
  for game in "$@"; do
    "$game" $window --mute >/dev/null 2>&1 &
    pid=$!
    win=""
    for _ in $(seq 100); do
      win=$(xdotool search --name '^Orvane$' 2>/dev/null | head -1)
      [ -n "$win" ] && break
      sleep 0.2
    done
    [ -n "$win" ] || { echo "no window for $game"; kill "$pid"; exit 1; }
    sleep 8  # the two splash screens, then the main menu
    xdotool mousemove 5 5
    menu=$(cores "$pid")
    click 450 300  # New game
    click 350 400  # the first map
    level=$(cores "$pid")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null
    echo "$game $menu $level" >>"$results"
  done
done

# The middle value of a column of numbers.
median() {
  sort -g | awk '{ v[NR] = $1 } END { printf "%.3f", v[int((NR + 1) / 2)] }'
}

echo "$shown, 1920x1080 display; CPU in cores, medians of $rounds rounds of $seconds s"
printf '%-50s %11s %12s\n' "program" "menu cores" "level cores"
for game in "$@"; do
  menu=$(grep -F "$game " "$results" | cut -d' ' -f2 | median)
  level=$(grep -F "$game " "$results" | cut -d' ' -f3 | median)
  printf '%-50s %11s %12s\n' "$game" "$menu" "$level"
done
