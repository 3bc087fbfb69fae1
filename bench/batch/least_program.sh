#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The script mode against the least Qt program that makes its picture (bench_least_jpeg): each
# makes one JPEG as a whole process, ROUNDS times, the programs taking turns, so that a load that
# comes and goes weighs on both alike. Prints the median wall time and processor time (user +
# system, from /usr/bin/time) of each and their ratios, then, under callgrind when valgrind is
# installed, the instructions each program runs, which the load does not change.
#
#   bench/batch/least_program.sh [BUILD] [ROUNDS] [EARLIER]
#
# BUILD is a build folder with -DVOKARELO_BUILD_BENCH=ON (build-release by default), ROUNDS 20;
# EARLIER, an earlier build's vokarelo, takes its turn as well, to compare before and after. Times
# are taken by python3 (the child's wall clock and resource usage, to the microsecond).
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build-release}
rounds=${2:-20}
program=$build/src/app/vokarelo
least=$build/bench/bench_least_jpeg
for p in "$program" "$least"; do
  [ -x "$p" ] || { echo "no $p; build it first (see bench/README.md)" >&2; exit 2; }
done
earlier=${3:-}
command -v python3 >/dev/null || { echo "needs python3" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "save $work/script.jpg" >"$work/script.vks"
export QT_QPA_PLATFORM=offscreen

# timed NAME COMMAND...: one run, appended to $work/times as NAME, wall and processor milliseconds.
timed() {
  python3 - "$@" >>"$work/times" <<'PY'
import resource, subprocess, sys, time
before = resource.getrusage(resource.RUSAGE_CHILDREN)
start = time.perf_counter()
subprocess.run(sys.argv[2:], check=True, stderr=subprocess.DEVNULL)
wall = time.perf_counter() - start
after = resource.getrusage(resource.RUSAGE_CHILDREN)
cpu = after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime
print(sys.argv[1], wall * 1000, cpu * 1000)
PY
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg); $rounds rounds"
for ((round = 0; round < rounds; round++)); do
  timed script "$program" --script "$work/script.vks"
  timed least "$least" "$work/least.jpg"
  [ -z "$earlier" ] || timed earlier "$earlier" --script "$work/script.vks"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

awk '
  { wall[$1, ++n[$1]] = $2; cpu[$1, n[$1]] = $3 }
  function median(a, who, k,   i, j, t, v) {
    for (i = 1; i <= k; i++) v[i] = a[who, i]
    for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return k % 2 ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2
  }
  function line(name, who) {
    printf "%-15s %6.1f ms wall, %6.1f ms processor; ratio to the least program %.2f wall, %.2f processor\n",
      name, median(wall, who, n[who]), median(cpu, who, n[who]),
      median(wall, who, n[who]) / median(wall, "least", n["least"]),
      median(cpu, who, n[who]) / median(cpu, "least", n["least"])
  }
  END {
    line("least program", "least")
    line("script mode", "script")
    if (n["earlier"]) line("earlier build", "earlier")
  }' "$work/times"

if command -v valgrind >/dev/null; then
  count() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'; }
  script=$(count "$program" --script "$work/script.vks")
  least=$(count "$least" "$work/least.jpg")
  awk -v s="$script" -v l="$least" 'BEGIN {
    printf "instructions:  script mode %.1f M, least program %.1f M, ratio %.2f\n", s / 1e6, l / 1e6, s / l }'
fi
