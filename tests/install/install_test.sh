#!/usr/bin/env bash
# Installs the build tree to a scratch prefix, validates the desktop entry and
# the software-centre entry, starts the installed program from / and closes
# its window; a lone copy of the program must say where it looked.
# Usage: install_test.sh BUILD_DIR VX_CLOSE_WINDOW
set -uo pipefail
# A display of its own, so that no other window is found; it never resets
# (see lib.sh in tests/e2e).
if [ -z "${ORVANE_INSTALL_X:-}" ]; then
  ORVANE_INSTALL_X=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi
build=$1
closer=$2
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
# shellcheck source=tests/install/manifest.sh
source "$(dirname "$0")/manifest.sh"
keep_manifest "$build" "$work"
trap 'put_back_manifest; rm -rf "$work"' EXIT
prefix=$work/prefix
id=io.github.orvane.orvane

fail() {
  echo "FAIL: $*"
  [ -f "$work/out.txt" ] && { echo "--- game output:"; cat "$work/out.txt"; }
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.txt" || { cat "$work/install.txt"; fail "install"; }

for f in bin/orvane share/orvane/Resources/DataInput.txt share/orvane/Resources/GUI.txt \
  share/orvane/Resources/OriginalMap.txt share/orvane/Resources/UltimateMap.txt \
  share/orvane/Resources/Misc/Logo.png share/orvane/Resources/Sound/MenuBG.ogg \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man6/orvane.6.gz \
  share/doc/orvane/copyright share/doc/orvane/changelog.gz; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
[ -x "$prefix/bin/orvane" ] || fail "bin/orvane is not executable"
pictures=$(find "$prefix/share/orvane/Resources" -name '*.png' -o -name '*.jpg' | wc -l)
[ "$pictures" = 124 ] || fail "$pictures pictures installed, not 124"
for size in 48 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "the ${size}x${size} icon has another size"
done
grep -q '^Icon='"$id"'$' "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.txt" 2>&1 ||
  { cat "$work/as.txt"; fail "appstreamcli validate"; }
echo "installed files are in place and validate"

# The installed program from another working directory: it must find its
# Resources/ under share/orvane, show the logo and end cleanly when closed.
(cd / && exec "$prefix/bin/orvane") >"$work/out.txt" 2>&1 &
pid=$!
window=$(timeout 30 xdotool search --sync --name '^Orvane$' 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "no window titled Orvane appeared"
# The first frame loads every picture, then the logo fades in: however long a
# loaded machine takes for that, the screen must light up.
for _ in $(seq 60); do
  import -window root "$work/logo.png" || fail "screenshot"
  lit=$(convert "$work/logo.png" -colorspace Gray -threshold 8% -format '%[fx:mean]' info:)
  awk -v l="$lit" 'BEGIN { exit !(l > 0.02) }' && break
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended"
  sleep 0.5
done
awk -v l="$lit" 'BEGIN { exit !(l > 0.02) }' || fail "the screen stayed black ($lit of it lit) instead of showing the logo"
"$closer" "$window" || fail "could not send the close request"
for _ in $(seq 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { kill -9 "$pid"; fail "the game did not end within 20 s of the close"; }
wait "$pid"
rc=$?
[ "$rc" = 0 ] || fail "exit status $rc after the close"
grep -q 'no Resources/ folder found' "$work/out.txt" && fail "the installed program did not find its Resources/"
echo "the installed program showed the logo from / ($lit of the screen lit) and closed with status 0"

# A lone copy with no Resources/ anywhere says where it looked, then stops
# at the first picture it misses.
mkdir -p "$work/lone/bin"
cp "$prefix/bin/orvane" "$work/lone/bin/orvane"
(cd / && timeout 60 "$work/lone/bin/orvane") >"$work/out.txt" 2>&1
rc=$?
[ "$rc" = 1 ] || fail "status $rc without Resources/, not 1"
lone=$work/lone/bin
grep -qx "Orvane: no Resources/ folder found; looked in $lone, $lone/../share/orvane and $lone/../share/games/orvane" \
  "$work/out.txt" || fail "no plain line on where it looked"
grep -q '^Mesg: Failed to create ' "$work/out.txt" || fail "the first missing picture was not named"
echo "without Resources/ it said where it looked and named the first missing picture"

# The manifest removes everything it installed.
xargs rm <"$manifest" || fail "uninstall through the manifest"
left=$(find "$prefix" -type f | wc -l)
[ "$left" = 0 ] || fail "$left files left after the uninstall"
echo "PASS"
