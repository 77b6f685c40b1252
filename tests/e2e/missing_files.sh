#!/usr/bin/env bash
# Takes each picture away in turn (and spoils a few) from a copy of Resources/:
# the program must stop in its first frame with exactly that picture's
# message and status 1. Takes a sound away: one error line, and the game goes on.
# Usage: missing_files.sh <orvane executable> [EVERY]
# With EVERY, only every EVERY-th picture and the last are taken away: the
# sanitizer build looks for memory faults, which do not depend on the picture,
# and each of its launches is slow.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"
own_display "$@"
export SDL_AUDIODRIVER=dummy
game=$1
every=${2:-1}
resources=$(dirname "$game")/Resources
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A private copy of the program beside its own Resources/ (it looks there).
make_copy() {
  mkdir -p "$1"
  cp "$game" "$1/orvane"
  cp -r "$resources" "$1/Resources"
}

# A picture of 1 by 100000 pixels: it decodes, but no GL takes a texture that tall.
huge_png() {
  python3 - "$1" <<'PY'
import struct, sys, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
rows = b"\0\xff\0\0\xff" * 100000
with open(sys.argv[1], "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 1, 100000, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
PY
}

# Runs the copy in $1 with picture $2 missing (or spoiled when $4 is "spoil",
# or too tall for GL when it is "huge")
# and checks the output ends with the message for name $3.
check_picture() {
  local dir=$1 picture=$2 name=$3 how=${4:-remove}
  local file="$dir/Resources/$picture" out="$dir/out.txt"
  mv "$file" "$dir/stash"
  [ "$how" = spoil ] && echo "not a picture" >"$file"
  [ "$how" = huge ] && huge_png "$file"
  timeout 30 "$dir/orvane" >"$out" 2>&1
  local rc=$?
  if renderer_failed "$out"; then
    echo "note: renderer start-up failed with $picture away; once more"
    timeout 30 "$dir/orvane" >"$out" 2>&1
    rc=$?
  fi
  rm -f "$file"
  mv "$dir/stash" "$file"
  local expected
  expected=$(printf 'VX_ASSERT_MESG: pTex_\nLine: N\nFunc: ResourceManager::ResourceManager\nFile: ResourceManager\nMesg: Failed to create %s!!' "$name")
  local got
  got=$(tail -n 5 "$out" | sed 's/^Line: [0-9][0-9]*$/Line: N/')
  if [ "$rc" != 1 ] || [ "$got" != "$expected" ] || [ -n "$(tail -c 1 "$out")" ]; then
    echo "FAIL: $how $picture: status $rc, output:"
    cat "$out"
    return 1
  fi
}

# The pictures to take away, in loading order.
grep -v '^#' "$here/pictures.txt" | grep . | awk -v every="$every" '{ last = $0; shown = (NR - 1) % every == 0 } shown { print }
  END { if (!shown) print last }' >"$work/chosen.txt"

# Half of the list per worker: two at a time on a small machine.
worker() {
  local dir=$1 parity=$2 n=0 failed=0
  make_copy "$dir"
  while IFS=$'\t' read -r picture name; do
    n=$((n + 1))
    [ $((n % 2)) = "$parity" ] || continue
    check_picture "$dir" "$picture" "$name" || failed=1
  done <"$work/chosen.txt"
  return $failed
}

worker "$work/a" 0 &
first=$!
worker "$work/b" 1
second=$?
if ! wait $first || [ $second != 0 ]; then
  echo "FAIL: see above"
  exit 1
fi
echo "each of the $(wc -l <"$work/chosen.txt") missing pictures stopped the program with its own message"

# A file that is there but does not decode stops the program the same way.
for entry in $'Map/Tile.jpg\tTile' $'Button/Options.png\tOptions' $'Misc/ExtremeMapHover.png\tExtremeMapHover'; do
  check_picture "$work/a" "${entry%%$'\t'*}" "${entry#*$'\t'}" spoil || exit 1
done
echo "every spoiled picture stopped the program with its own message"

check_picture "$work/a" Monster/Seal.png Seal huge || exit 1
echo "a picture too tall for GL stopped the program with its own message"

# Without one sound: one error line at start-up, and the game runs on until closed.
log=$work/sound.txt
for sound in LevelBG LoseBG; do
  mv "$work/a/Resources/Sound/$sound.ogg" "$work/a/stash"
  start_game "$work/a/orvane"
  sleep 3
  kill -0 "$pid" 2>/dev/null || fail "the game stopped without $sound.ogg"
  kill -TERM "$pid"  # as a close of the window
  wait_for_exit
  mv "$work/a/stash" "$work/a/Resources/Sound/$sound.ogg"
  [ "$status" = 0 ] || fail "exit status $status without $sound.ogg"
  [ "$(grep -c 'FMOD error' "$log")" = 1 ] || fail "not exactly one error line without $sound.ogg"
  grep -qx 'FMOD error! << (4)' "$log" || fail "unexpected error line without $sound.ogg"
  pid=""
done
echo "a missing sound gave one error line and the game went on"
