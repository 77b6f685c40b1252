#!/usr/bin/env bash
# Unpacks the Debian package deb_test.sh made into a scratch folder (it is
# never installed), starts the unpacked game from another working directory
# on a display of its own, and sees the main menu the README shows: the game
# found its Resources/ under usr/share/games/orvane beside its own folder.
# Usage: unpacked_game_test.sh PACKAGE_FOLDER VERSION MAIN_MENU_PICTURE WORK_FOLDER
set -uo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
own_display "$@"
deb=$1/orvane_${2}_$(dpkg --print-architecture).deb
reference=$3
screenshot_folder "$4"
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dpkg-deb -x "$deb" "$work/root" >"$log" 2>&1 || fail "dpkg-deb -x $deb"
cd / || fail "cd /"
start_game "$work/root/usr/games/orvane" --windowed
reach_main_menu "$reference" || fail "the window never showed the main menu; last distance ${menu_distance:-none}"
kill -TERM "$pid"
wait_for_exit
grep -q 'no Resources/ folder found' "$log" && fail "the unpacked game did not find its Resources/"
echo "PASS: the unpacked game showed the main menu, $menu_distance (RMSE) from the README's picture"
