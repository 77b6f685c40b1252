#!/usr/bin/env bash
# Starts the game, closes its window as a user would, and expects it to end
# through the quit path with exit status 0.
# Usage: close_orvane.sh ORVANE VX_CLOSE_WINDOW
set -u
game=$1
closer=$2
"$game" > close-orvane.log 2>&1 &
pid=$!
window=$(timeout 30 xdotool search --sync --name '^Orvane$' 2>/dev/null | head -n 1)
if [ -z "$window" ]; then
  echo "no window titled Orvane appeared"
  kill -9 "$pid" 2>/dev/null
  cat close-orvane.log
  exit 1
fi
sleep 1  # let it run some frames first
"$closer" "$window" || { echo "could not send the close request"; kill -9 "$pid"; exit 1; }
for _ in $(seq 300); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the game did not end within 30 s of the close"
  kill -9 "$pid"
  exit 1
fi
wait "$pid"
rc=$?
echo "exit status $rc"
[ "$rc" -eq 0 ] || cat close-orvane.log
exit "$rc"
