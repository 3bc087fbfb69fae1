#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A script of many pictures: `vokarelo --script FILE` saving PICTURES JPEGs, each of another number,
# into a folder on the disk that holds the work folder. Each program given runs ROUNDS times,
# the programs taking turns, so that a load that comes and goes weighs on all of them alike. For
# each run: the wall time and the processor time (user + system, from /usr/bin/time) a picture,
# and the median of both over the rounds, with the ratio of the two.
#
#   bench/batch/many_pictures.sh PROGRAM... [-- PICTURES ROUNDS]
#
# PICTURES defaults to 200, ROUNDS to 5. Two programs (an earlier build and this one) are compared
# side by side; the load average is printed before and after.
set -euo pipefail

programs=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do programs+=("$1"); shift; done
[ "${1:-}" = -- ] && shift
pictures=${1:-200}
rounds=${2:-5}
[ ${#programs[@]} -gt 0 ] || { sed -n '3,12s/^# \{0,1\}//p' "$0" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian: apt-get install time)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/many-pictures.XXXXXX")
trap 'rm -rf "$work"' EXIT
for ((i = 0; i < pictures; i++)); do
  printf 'Text3 = %d\nCommand6\nsave %d.jpg\n' $((13800000000 + i)) "$i"
done >"$work/script.vks"

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg); $pictures pictures, $rounds rounds"
for ((round = 0; round < rounds; round++)); do
  for ((p = 0; p < ${#programs[@]}; p++)); do
    rm -rf "$work/out" && mkdir "$work/out"
    (cd "$work/out" && /usr/bin/time -f '%e %U %S' -o "$work/time" "${programs[$p]}" \
      --script "$work/script.vks" >/dev/null)
    [ "$(ls "$work/out" | wc -l)" -eq "$pictures" ] || { echo "pictures missing" >&2; exit 1; }
    read -r wall user sys <"$work/time"
    echo "$p $wall $user $sys" >>"$work/times"
  done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

for ((p = 0; p < ${#programs[@]}; p++)); do
  awk -v p="$p" -v n="$pictures" -v name="${programs[$p]}" '
    $1 == p { wall[++k] = $2 * 1000 / n; cpu[k] = ($3 + $4) * 1000 / n }
    function median(a, k,   i, j, t) {
      for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
      return k % 2 ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2
    }
    END {
      w = median(wall, k); c = median(cpu, k)
      printf "%s: a picture takes %.2f ms on the wall clock, %.2f ms of processor time (ratio %.2f)\n", name, w, c, w / c
    }' "$work/times"
done
