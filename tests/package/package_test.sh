#!/usr/bin/env bash
# Packs the build tree with cpack -G DEB and checks the package as Debian
# would: its file name, fields and worked-out dependencies, where each file
# lies, and lintian with no error. Then unpacks it into a scratch folder (it is
# never installed), starts the unpacked game from another working directory on
# a display of its own, and sees the main menu the README shows.
# Usage: package_test.sh BUILD_DIR VERSION MAIN_MENU_PICTURE WORK_FOLDER
set -uo pipefail
tests=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$tests/e2e/lib.sh"
own_display "$@"
# shellcheck source=tests/install/manifest.sh
source "$tests/install/manifest.sh"
build=$(cd "$1" && pwd)
version=$2
reference=$3
screenshot_folder "$4"
export SDL_AUDIODRIVER=dummy
id=io.github.orvane.orvane
work=$(mktemp -d)
keep_manifest "$build" "$work"
trap 'put_back_manifest; rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out") >"$log" 2>&1 || fail "cpack"
deb=$work/out/orvane_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Version) $(field Section)" = "orvane $version games" ] ||
  fail "control fields: $(field Package) $(field Version) $(field Section)"
depends=$(field Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-image-2.0-0 libglew libgl1 libfreetype6 \
  libfontconfig1; do
  grep -q "\b$lib" <<<"$depends" || fail "the dependencies were not worked out from the binary: no $lib"
done

# Debian's games policy: the program in /usr/games, its data in /usr/share/games.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./||' >"$work/files.txt"
for f in usr/games/orvane usr/share/games/orvane/Resources/DataInput.txt \
  usr/share/games/orvane/Resources/GUI.txt usr/share/games/orvane/Resources/OriginalMap.txt \
  usr/share/games/orvane/Resources/UltimateMap.txt usr/share/games/orvane/Resources/Sound/MenuBG.ogg \
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml usr/share/man/man6/orvane.6.gz \
  usr/share/doc/orvane/copyright usr/share/doc/orvane/changelog.gz \
  usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/$id.png; do
  grep -qx "$f" "$work/files.txt" || fail "$f is not in the package"
done
pictures=$(grep -cE '^usr/share/games/orvane/Resources/.+\.(png|jpg)$' "$work/files.txt")
[ "$pictures" = 124 ] || fail "$pictures pictures in the package, not 124"
stray=$(grep -vE '^usr/(|games/.*|share/.*)$' "$work/files.txt"; grep -E '^usr/(bin|share/orvane)/' "$work/files.txt")
[ -z "$stray" ] || fail "files outside Debian's places: $stray"

lintian --fail-on error --display-info "$deb" >"$work/lintian.txt" 2>&1
lint=$?
grep -v 'root privileges' "$work/lintian.txt" | sed 's/^/lintian: /'
[ "$lint" = 0 ] || fail "lintian reports errors"

# The unpacked game, started from / : it finds its Resources/ under
# usr/share/games/orvane beside its own folder.
dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
cd / || fail "cd /"
start_game "$work/root/usr/games/orvane" --windowed
reach_main_menu "$reference" || fail "the window never showed the main menu; last distance ${menu_distance:-none}"
echo "the unpacked game shows the main menu, $menu_distance (RMSE) from the README's picture"
kill -TERM "$pid"
wait_for_exit
grep -q 'no Resources/ folder found' "$log" && fail "the unpacked game did not find its Resources/"
echo "PASS"
