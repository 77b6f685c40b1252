#!/usr/bin/env bash
# Plays the real program into SDL's disk audio driver: the menu music must
# reach the output (not silence), and switching sound off in the options
# screen must silence it.
# Usage: sound_output.sh <orvane executable> <work folder>
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
own_display "$@"
screenshot_folder "$2"
raw=$shots/output.raw
rm -f "$raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$raw

# Root mean square of the 16-bit stereo samples between two byte offsets.
rms() {
  python3 - "$raw" "$1" "$2" <<'PY'
import array, math, sys
path, start, end = sys.argv[1], int(sys.argv[2]) & ~3, int(sys.argv[3]) & ~3
with open(path, "rb") as f:
    f.seek(start)
    data = array.array("h", f.read(max(0, end - start)))
print(int(math.sqrt(sum(s * s for s in data) / len(data))) if data else -1)
PY
}
size() { stat -c %s "$raw"; }

start_game "$1"
through_splash_screens
sleep 2
music_end=$(size)
click 477 437  # options
click 637 455  # sound off
off_at=$(size)
sleep 2
silence_end=$(size)
click 150 577  # back: the menu's music must stay off too
sleep 1.5
menu_end=$(size)
kill -TERM "$pid"
wait_for_exit

second=$((44100 * 4))
music=$(rms $((music_end - second)) "$music_end")
# Skip half a second after the click: what the mixer had already queued.
silence=$(rms $((off_at + second / 2)) "$silence_end")
menu=$(rms "$silence_end" "$menu_end")
echo "menu music RMS $music, after sound off $silence, back in the menu $menu"
[ "$music" -gt 300 ] || fail "the menu music did not reach the output"
[ "$silence" = 0 ] || fail "sound off did not silence the output"
[ "$menu" = 0 ] || fail "the menu played music with sound off"
echo "PASS"
