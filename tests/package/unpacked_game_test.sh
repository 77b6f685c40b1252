#!/usr/bin/env bash
# Unpacks the Debian package deb_test.sh made into a scratch folder (it is
# never installed) and starts the unpacked game as a player might, with
# --windowed --mute, from another working directory on a display of its own,
# its sound going to SDL's disk driver. It must find its Resources/ under
# usr/share/games/orvane beside its own folder and show, in a 960x720 window
# and in silence, the main menu.
# Usage: unpacked_game_test.sh PACKAGE_FOLDER VERSION WORK_FOLDER
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
own_display "$@"
deb=$1/orvane_${2}_$(dpkg --print-architecture).deb
screenshot_folder "$3"
raw=$shots/output.raw
rm -f "$raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$raw
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dpkg-deb -x "$deb" "$work/root" >"$log" 2>&1 || fail "dpkg-deb -x $deb"
cd / || fail "cd /"
start_game "$work/root/usr/games/orvane" --windowed --mute
[ "$(geometry)" = 960x720 ] || fail "--windowed started at $(geometry), not 960x720"
through_splash_screens
# The menu starts its music on entry: a second of it must be silence.
sleep 2
end=$(stat -c %s "$raw")
second=$((44100 * 4))
sounding=$(tail -c "$second" "$raw" | tr -d '\0' | wc -c)
[ "$end" -ge "$second" ] && [ "$sounding" = 0 ] || fail "the main menu played sound after --mute ($sounding bytes)"
kill -TERM "$pid"
wait_for_exit
grep -q 'no Resources/ folder found' "$log" && fail "the unpacked game did not find its Resources/"
echo "PASS: the unpacked game showed the main menu in silence"
