#!/usr/bin/env bash
# Self-play throughput: whole games per second on one core. The baseline,
# measured in the same run, is shuffling alone (the floor of any game), so the
# ratio games/shuffles says how much the play itself costs on this machine.
# Goal: at least 100,000 whole games per second.
set -euo pipefail
cd "$(dirname "$0")/.."
BIN="${BUILD:-build}/bin"
[ -x "$BIN/briscola-selfplay" ] || { echo "build first: $BIN/briscola-selfplay missing" >&2; exit 1; }
N="${1:-1000000}"

best=0; base=0
for run in 1 2 3; do
  s=$(taskset -c 0 "$BIN/briscola-selfplay" "$N" --seed "$run" --shuffle-only | awk '/shuffles per second/ {print $4}')
  g=$(taskset -c 0 "$BIN/briscola-selfplay" "$N" --seed "$run" | awk '/games per second/ {print $4}')
  echo "run $run: $g games/s, baseline $s shuffles/s"
  if [ "$g" -gt "$best" ]; then best=$g; fi
  if [ "$s" -gt "$base" ]; then base=$s; fi
done
echo "best: $best games/s (goal 100000, ratio to goal $(awk -v b="$best" 'BEGIN{printf "%.2f", b/100000}'))"
echo "games per shuffle-only baseline: $(awk -v b="$best" -v s="$base" 'BEGIN{printf "%.3f", b/s}')"
