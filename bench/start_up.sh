#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up and memory: the time from starting Vokarelo to its first painted window, against the
# same for a bare Qt window showing one label, and Vokarelo's resident memory once it has started.
# Each program runs RUNS times, alternating, after one unmeasured warm-up run each, in an Xvfb of
# this script's own; bench_first_paint starts the program, polls the window's pixels every
# millisecond and reads /proc/<pid>/status.
#
#   bench/start_up.sh [BUILD_FOLDER] [RUNS] [EARLIER]
#
# BUILD_FOLDER defaults to build-bench (bench/run makes it), RUNS to 10. EARLIER, an earlier build's
# vokarelo, takes its turn as well, to compare before and after in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-bench}
runs=${2:-10}
earlier_program=${3:-}
probe=$build/bench/bench_first_paint
for program in "$probe" "$build/bench/bench_bare_window" "$build/src/app/vokarelo"; do
  [ -x "$program" ] || { echo "no $program; build it first (bench/run does)" >&2; exit 2; }
done

if [ -z "${VOKARELO_BENCH_X:-}" ]; then
  export VOKARELO_BENCH_X=1
  exec xvfb-run -a -s "-screen 0 1280x1080x24 -nolisten tcp" bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The probes: a pixel of the phone screen's background picture (the lavender header left of the
# contact picture) and the bare window's red.
vokarelo=("$probe" 120 120 e1daec "$build/src/app/vokarelo")
bare=("$probe" 100 100 ff0000 "$build/bench/bench_bare_window")
earlier=("$probe" 120 120 e1daec "$earlier_program")

# Appends one measurement to a file; the programs' own chatter goes to a log shown on failure.
measure() {
  local file=$1
  shift
  "$@" >>"$file" 2>>"$work/log" || { cat "$work/log" >&2; exit 1; }
}

measure "$work/warm-up" "${vokarelo[@]}"
measure "$work/warm-up" "${bare[@]}"
[ -z "$earlier_program" ] || measure "$work/warm-up" "${earlier[@]}"
for ((i = 0; i < runs; i++)); do
  measure "$work/vokarelo" "${vokarelo[@]}"
  measure "$work/bare" "${bare[@]}"
  [ -z "$earlier_program" ] || measure "$work/earlier" "${earlier[@]}"
done

# "median minimum maximum" of one column of a file of bench_first_paint's lines.
stats() {
  cut -d' ' -f"$2" "$1" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[1], v[NR] }'
}

# One line per program: first paint in ms, peak and settled resident memory in MiB (medians).
report() {
  local ms lo hi peak rss _
  read -r ms lo hi < <(stats "$work/$1" 1)
  read -r peak _ < <(stats "$work/$1" 2)
  read -r rss _ < <(stats "$work/$1" 3)
  awk -v l="$1" -v n="$runs" -v ms="$ms" -v lo="$lo" -v hi="$hi" -v peak="$peak" -v rss="$rss" 'BEGIN {
    printf "%-9s %d runs  first paint ms: median %.1f  min %.1f  max %.1f  |  memory MiB: peak %.1f  settled %.1f\n",
      l, n, ms, lo, hi, peak / 1024, rss / 1024 }'
  echo "$ms" >"$work/$1.median"
}

report vokarelo
report bare
awk -v v="$(cat "$work/vokarelo.median")" -v b="$(cat "$work/bare.median")" \
  'BEGIN { printf "first paint: vokarelo / bare window = %.2f (median against median)\n", v / b }'
if [ -n "$earlier_program" ]; then
  report earlier
  awk -v e="$(cat "$work/earlier.median")" -v b="$(cat "$work/bare.median")" \
    'BEGIN { printf "first paint: earlier build / bare window = %.2f (median against median)\n", e / b }'
fi
