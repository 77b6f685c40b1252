#!/usr/bin/env bash
# The manual page formats without a single warning (as lintian formats it),
# documents every option the program's --help lists and no other, and states
# the project's version, as the software-centre entry does.
# Usage: manpage_test.sh MANPAGE METAINFO ORVANE VERSION
set -uo pipefail
page=$1
metainfo=$2
game=$3
version=$4
fail() {
  echo "FAIL: $*"
  exit 1
}

warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man reports: $warnings"

text=$(MANWIDTH=80 man -l "$page" 2>/dev/null | col -b)
# An option and its short form, as in "-h, --help".
options=$(echo "$text" | sed -n '/^OPTIONS/,/^[A-Z]/p' | grep -oE '^ {7}(-[a-z], )?--[a-z]+' | sed 's/^ *//' | sort)
listed=$("$game" --help | grep -oE '^  (-[a-z], )?--[a-z]+' | sed 's/^ *//' | sort)
[ -n "$listed" ] || fail "--help lists no option"
[ "$options" = "$listed" ] || fail "the page documents [$(echo $options)], --help lists [$(echo $listed)]"
for section in SYNOPSIS CONTROLS FILES 'EXIT STATUS'; do
  echo "$text" | grep -qx "$section" || fail "no $section section"
done

head -n 1 "$page" | grep -qF "\"Orvane $version\"" || fail "the page is not for version $version"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the software-centre entry has no release $version"
echo "PASS: no warnings, options [$(echo $listed)], version $version"
