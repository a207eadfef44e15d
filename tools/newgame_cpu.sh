#!/usr/bin/env bash
# Measures the processor time that new games cost, in Brackwater and, for
# comparison, in the desktop's own patience game (AisleRiot's Klondike), in
# one run on a private X display. Each program is started alone, given a
# moment to settle, and then asked for GAMES new games (F2 in Brackwater,
# Ctrl+N in AisleRiot), one every PACE seconds; the user and system time it
# spent meanwhile, from /proc, is divided by the games.
#   tools/newgame_cpu.sh [BUILD]          (needs xvfb, xdotool, aisleriot)
#   GAMES=20 PACE=0.5 tools/newgame_cpu.sh
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
games=${GAMES:-20}
pace=${PACE:-0.5}
sol=$(command -v sol || echo /usr/games/sol)

if [ -z "${NEWGAME_CPU_DISPLAY:-}" ]; then
  for tool in xvfb-run xdotool "$sol"; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing (apt-get install xvfb xdotool aisleriot)" >&2; exit 1; }
  done
  [ -x "$build/app/brackwater" ] || { echo "$0: build $build/app/brackwater first" >&2; exit 1; }
  NEWGAME_CPU_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi

[ -n "${DISPLAY:-}" ] || { echo "$0: the private X display did not start; run again" >&2; exit 1; }
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Processor time of a process so far, in microseconds: from the scheduler's
# nanosecond count where the kernel keeps one, else from the clock ticks of
# user and system time (the 12th and 13th fields after the name).
cpu_us() {
  if [ -r "/proc/$1/schedstat" ]; then
    local ns _
    read -r ns _ < "/proc/$1/schedstat"
    echo $(( ns / 1000 ))
    return
  fi
  local fields
  read -ra fields < <(sed 's/.*) //' "/proc/$1/stat")
  echo $(( (fields[11] + fields[12]) * 1000000 / $(getconf CLK_TCK) ))
}

# Sends KEY to the window GAMES times and prints the microseconds they took.
time_games() {
  local window=$1 key=$2 before after
  xdotool windowfocus --sync "$window"
  sleep 1
  before=$(cpu_us "$pid")
  for ((i = 0; i < games; i++)); do
    xdotool key --clearmodifiers "$key"
    sleep "$pace"
  done
  after=$(cpu_us "$pid")
  echo $(( after - before ))
}

# Brackwater: a copy of its own keeps its settings file beside it.
mkdir -p "$work/brackwater" "$work/home"
cp "$build/app/brackwater" "$build/app/BRACKWTR.HLP" "$work/brackwater/" 2>/dev/null || cp "$build/app/brackwater" "$work/brackwater/"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=xcb "$work/brackwater/brackwater" >/dev/null 2>&1 &
pid=$!
dialog=$(xdotool search --sync --name "Enter Player Name" | head -1)
xdotool windowfocus --sync "$dialog"
xdotool type Timer
xdotool key Return
window=$(xdotool search --sync --name "Brackwater - Timer" | head -1)
sleep 3
brackwater_us=$(time_games "$window" F2)
kill "$pid"; wait "$pid" 2>/dev/null || true

HOME=$work/home XDG_CONFIG_HOME=$work/home/.config "$sol" --variation=klondike >/dev/null 2>&1 &
pid=$!
window=$(xdotool search --sync --pid "$pid" --onlyvisible --name "Klondike" | head -1)
sleep 3
aisleriot_us=$(time_games "$window" ctrl+n)
kill "$pid"; wait "$pid" 2>/dev/null || true
pid=

awk -v b="$brackwater_us" -v a="$aisleriot_us" -v n="$games" -v p="$pace" 'BEGIN {
  printf "Processor time per new game (%d games, one every %s s):\n", n, p
  printf "  Brackwater  %6.2f ms\n", b / n / 1000
  printf "  AisleRiot   %6.2f ms\n", a / n / 1000
  if (a > 0) printf "  Brackwater / AisleRiot = %.2f\n", b / a
}'
