#!/usr/bin/env bash
# The odds of fresh deals: solves seeds 1..N with brackwater-solve, with a
# budget in positions so that any machine gets the same answers, and prints
# a table of the deals proved winnable, proved lost and left undecided, in
# all and by the size of the draw pile the deal leaves.
# With RAW, every answer is kept in that file as well, one JSON line a deal,
# so that a run cut short still tells what it found.
#   tools/odds.sh SOLVER easy|hard N NODES [RAW]
# e.g. tools/odds.sh build/solver/brackwater-solve hard 10000 20000
set -euo pipefail
[ $# -eq 4 ] || [ $# -eq 5 ] || { echo "usage: $0 SOLVER easy|hard N NODES [RAW]" >&2; exit 2; }
solver=$1 level=$2 n=$3 nodes=$4 raw=${5:-/dev/null}
seq 1 "$n" | "$solver" --level "$level" --budget-nodes "$nodes" --budget-ms 0 --draw-pile | tee "$raw" | awk -v level="$level" '
  function band(d) { return d < 15 ? "under 15" : d < 20 ? "15 to 19" : d < 25 ? "20 to 24" : d < 30 ? "25 to 29" : "30 and more" }
  function row(name, all, won, lost) {
    if (all) printf "| %s | %s | %d | %.1f%% | %.1f%% | %.1f%% |\n", level, name, all, 100 * won / all, 100 * lost / all, 100 * (all - won - lost) / all
  }
  {
    match($0, /"draw_pile": [0-9]+/); b = band(substr($0, RSTART + 13, RLENGTH - 13) + 0)
    all[b]++; total++
    if ($0 ~ /"result": "win"/) { won[b]++; wonTotal++ }
    if ($0 ~ /"result": "loss"/) { lost[b]++; lostTotal++ }
  }
  END {
    print "| Level | Draw pile | Deals | Proved winnable | Proved lost | Undecided |"
    print "|---|---|---|---|---|---|"
    n = split("under 15,15 to 19,20 to 24,25 to 29,30 and more", bands, ",")
    for (i = 1; i <= n; i++) row(bands[i], all[bands[i]], won[bands[i]], lost[bands[i]])
    row("all", total, wonTotal, lostTotal)
  }'
