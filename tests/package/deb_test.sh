#!/usr/bin/env bash
# Packs the build tree with cpack -G DEB, as a packager would, into OUT_FOLDER
# and checks the package as Debian would: its file name, fields and worked-out
# dependencies, where each file lies, and lintian with no error. The package
# stays in OUT_FOLDER for unpacked_game_test.sh.
# Usage: deb_test.sh BUILD_DIR VERSION OUT_FOLDER
set -uo pipefail
# shellcheck source=tests/install/manifest.sh
source "$(dirname "$0")/../install/manifest.sh"
build=$(cd "$1" && pwd)
version=$2
out=$3
id=io.github.orvane.orvane
work=$(mktemp -d)
keep_manifest "$build" "$work"
trap 'put_back_manifest; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out") >"$work/cpack.txt" 2>&1 || { cat "$work/cpack.txt"; fail "cpack"; }
rm -rf "$out/_CPack_Packages"
deb=$out/orvane_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$out")"
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
echo "PASS: $(basename "$deb") in $out"
