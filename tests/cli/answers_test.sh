#!/usr/bin/env bash
# Asks the real program for its help and version and gives it bad arguments,
# from an empty folder with no display: each must answer on the right stream
# with the right status before the engine starts (no version line from it, no
# window, no Resources/ search); an answer that cannot be written fails.
# Usage: answers_test.sh ORVANE VERSION
set -uo pipefail
game=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
unset DISPLAY WAYLAND_DISPLAY

fail() {
  echo "FAIL: $*"
  echo "--- stdout:"
  cat "$work/out.txt"
  echo "--- stderr:"
  cat "$work/err.txt"
  exit 1
}

# Runs the game with the given arguments (its output to $to, else out.txt); sets rc.
ask() {
  timeout 20 "$game" "$@" >"${to:-$work/out.txt}" 2>"$work/err.txt"
  rc=$?
  if grep -q -e 'Vexor Engine version' -e 'Resources/' -e 'VX_ASSERT' "$work/out.txt" "$work/err.txt"; then
    fail "orvane $*: the game started"
  fi
}

ask --help
[ "$rc" = 0 ] || fail "--help: status $rc"
[ -s "$work/err.txt" ] && fail "--help wrote to stderr"
head -n 1 "$work/out.txt" | grep -qx 'Usage: orvane \[--windowed\] \[--mute\]' || fail "--help: no usage line"
cp "$work/out.txt" "$work/usage.txt"
ask -h
[ "$rc" = 0 ] || fail "-h: status $rc"
cmp -s "$work/out.txt" "$work/usage.txt" || fail "-h does not print the help"

ask --version
[ "$rc" = 0 ] || fail "--version: status $rc"
[ -s "$work/err.txt" ] && fail "--version wrote to stderr"
printf 'Orvane %s\nVexor Engine 3.04\n' "$version" | cmp -s - "$work/out.txt" || fail "--version: wrong text"

# Standard output on a full disk: the answer is lost, so the status is not 0.
for args in --help -h --version; do
  : >"$work/out.txt"
  to=/dev/full ask $args
  [ "$rc" = 1 ] || fail "$args to a full disk: status $rc, not 1"
  grep -qx 'orvane: cannot write to standard output: No space left on device' "$work/err.txt" ||
    fail "$args to a full disk: no line on stderr"
done

# A bad argument anywhere: one line naming it, then the usage, on stderr only.
check_bad() {
  local line=$1
  shift
  ask "$@"
  [ "$rc" = 2 ] || fail "orvane $*: status $rc, not 2"
  [ -s "$work/out.txt" ] && fail "orvane $*: wrote to stdout"
  head -n 1 "$work/err.txt" | grep -qxF "$line" || fail "orvane $*: first line is not '$line'"
  tail -n +2 "$work/err.txt" | cmp -s - "$work/usage.txt" || fail "orvane $*: the usage does not follow"
}
check_bad "orvane: unknown option '--fullscreen'" --fullscreen
check_bad "orvane: unknown option '-x'" --windowed -x --help
check_bad "orvane: unexpected argument 'map2'" --mute map2

echo "PASS: --help, --version and bad arguments answered before the engine started"
