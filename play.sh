#!/usr/bin/env bash
# Builds Orvane (installing what it needs) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target orvane
exec build/orvane "$@"
