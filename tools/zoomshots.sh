#!/usr/bin/env bash
# Takes the pictures of the zoomed table for the documentation:
# docs/zoom-200.png (200%, a few cards drawn), docs/zoom-150.png (150%,
# peeking under a table card) and docs/maximised.png (maximised with Fit to
# Window on a 1920x1080 screen under openbox). Each run uses a copy of the
# built program with a settings file of its own.
#   tools/zoomshots.sh [BUILD]
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
for tool in xvfb-run xdotool import openbox; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (apt-get install xvfb xdotool imagemagick openbox)" >&2; exit 1; }
done
cmake --build "$build" --target brackwater -j 2

run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
cp "$build/app/brackwater" "$build/app/BRACKWTR.HLP" "$run/"

# Runs on the private display: picks the player, draws cards with clicks on
# the draw pile, optionally holds the right button on the first table card,
# and saves the window (or the whole screen under a window manager).
cat > "$run/shoot.sh" <<'INNER'
set -u
run=$1 out=$2 zoom=$3 draws=$4 peek=$5 wm=$6
cd "$run"
[ "$wm" = 1 ] && { openbox >/dev/null 2>&1 & sleep 1; }
./brackwater >/dev/null 2>&1 &
program=$!
for _ in $(seq 50); do
  dialog=$(xdotool search --name "Enter Player Name" 2>/dev/null | head -1) && [ -n "$dialog" ] && break
  sleep 0.2
done
sleep 0.5
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
xdotool key Return
sleep 3
window=$(xdotool search --name "Brackwater - Ann" | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=19
# Where a point of the classic table lies on the screen at this zoom.
point() {
  awk -v x="$1" -v y="$2" -v z="$zoom" -v W="$WIDTH" -v H="$HEIGHT" -v X="$X" -v Y="$Y" -v m="$menu" 'BEGIN {
    if (z == "fit") { z = W / 634; if ((H - m) / 435 < z) z = (H - m) / 435 } else z = z / 100
    ox = (W - 634 * z) / 2; if (ox < 0) ox = 0
    oy = (H - m - 435 * z) / 2; if (oy < 0) oy = 0
    printf "%d %d", X + ox + x * z, Y + m + oy + y * z }'
}
for _ in $(seq "$draws"); do
  xdotool mousemove $(point 492 249) click 1
  sleep 0.6
done
if [ "$peek" = 1 ]; then xdotool mousemove $(point 150 61) mousedown 3; sleep 0.8; fi
if [ "$wm" = 1 ]; then import -window root "$out"; else import -window "$window" "$out"; fi
kill "$program"
INNER

shot() {  # file settings draws peek wm
  printf '[Settings]\nPrevious0=Ann\n\n[Ann]\n%b' "$2" > "$run/brackwater.INI"
  local zoom
  zoom=$(sed -n 's/^Zoom=//p' "$run/brackwater.INI"); [ "$zoom" = 0 ] && zoom=fit
  xvfb-run -a -s "-screen 0 1920x1080x24" bash "$run/shoot.sh" "$run" "$top/docs/$1" "$zoom" "$3" "$4" "$5"
  echo "wrote docs/$1"
}
shot zoom-200.png 'Zoom=200\n' 6 0 0
shot zoom-150.png 'Zoom=150\n' 4 1 0
shot maximised.png 'Zoom=0\nMaximized=1\n' 5 0 1
