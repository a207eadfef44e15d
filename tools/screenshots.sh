#!/usr/bin/env bash
# Takes the pictures of the running program for the documentation:
# docs/play.png (a game in progress) and docs/colours.png (a player's own
# colours). Builds what it needs in BUILD (default: build), then plays the
# test deck with real clicks on a private X display.
#   tools/screenshots.sh [BUILD]
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}

for tool in xvfb-run xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (apt-get install xvfb xdotool x11-utils)" >&2; exit 1; }
done

[ -f "$build/CMakeCache.txt" ] || cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target e2e_screenshots -j "$(nproc 2>/dev/null || echo 2)"
xvfb-run -a -s "-screen 0 1024x768x24" "$build/tests/e2e/e2e_screenshots" "$top/docs"
