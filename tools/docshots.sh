#!/usr/bin/env bash
# Retakes the README's screenshots in docs/: every screen in a 960x720 window
# under a virtual display, written as JPEG to keep the repository small.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target orvane_docshots
out=$(mktemp -d)
(cd build && LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy \
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ./tools/shots/orvane_docshots "$out")
mkdir -p docs
for f in "$out"/*.png; do
  convert "$f" -quality 85 "docs/$(basename "${f%.png}").jpg"
done
rm -rf "$out"
ls docs
