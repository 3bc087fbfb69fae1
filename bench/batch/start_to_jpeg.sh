#!/usr/bin/env bash
# Start-to-JPEG of the default picture as a whole process: RUNS runs of `vokarelo --script`, each
# timed on the wall clock with its peak resident memory from /usr/bin/time; then the same for a
# headless browser's screenshot of an equivalent page, when a browser is installed.
#
#   bench/batch/start_to_jpeg.sh [PROGRAM] [RUNS]
#
# PROGRAM defaults to build/src/app/vokarelo (build it with -DCMAKE_BUILD_TYPE=Release), RUNS to 20.
set -euo pipefail
cd "$(dirname "$0")/../.."

program=${1:-build/src/app/vokarelo}
runs=${2:-20}
[ -x "$program" ] || { echo "no program at $program; build it first (see bench/README.md)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian: apt-get install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs "$@" RUNS times; prints one line per run: wall milliseconds and peak RSS in KiB.
measure() {
  local i start end
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>"$work/stderr" <"$work/input" ||
      { cat "$work/stderr" >&2; echo "run failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(tail -n 1 "$work/rss")"
  done
}

# The median of a column of numbers.
median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Median, mean, minimum and maximum of the wall times, and the median and maximum peak RSS, of a
# file of measure's lines.
summary() {
  local wall rss
  wall=$(cut -d' ' -f1 "$2" | median)
  rss=$(cut -d' ' -f2 "$2" | median)
  awk -v label="$1" -v wall="$wall" -v rss="$rss" '
    NR == 1 { min = $1; max = $1; top = $2 }
    { sum += $1; if ($1 < min) min = $1; if ($1 > max) max = $1; if ($2 > top) top = $2 }
    END {
      printf "%-10s %d runs  wall ms: median %.1f  mean %.1f  min %.1f  max %.1f  |  peak RSS MiB: median %.1f  max %.1f\n",
        label, NR, wall / 1000, sum / NR / 1000, min / 1000, max / 1000, rss / 1024, top / 1024
    }' "$2"
}

mkdir -p "$work/out"
printf 'save %s\n' "$work/out/default.jpg" >"$work/input"
measure "$program" --script - >"$work/vokarelo.txt"
summary vokarelo "$work/vokarelo.txt"
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 2 --runs "$runs" --input "$work/input" "$program --script -"
fi

browser=""
for candidate in chromium chromium-browser google-chrome google-chrome-stable; do
  if command -v "$candidate" >/dev/null; then browser=$(command -v "$candidate"); break; fi
done
if [ -z "$browser" ]; then
  echo "browser    chromium is not installed (nor chromium-browser, google-chrome): no comparison measured"
  exit 0
fi

# The equivalent page shows the finished picture at its size: the browser only decodes and
# composites one image, so its figures are a lower bound for drawing the screen as a page.
printf 'save %s\n' "$work/out/default.png" | "$program" --script - 2>/dev/null
cat >"$work/page.html" <<HTML
<!doctype html><html><body style="margin:0"><img src="file://$work/out/default.png" width="524" height="854"></body></html>
HTML
: >"$work/input"
measure "$browser" --headless --disable-gpu --no-sandbox --hide-scrollbars --window-size=524,854 \
  --screenshot="$work/out/browser.png" "file://$work/page.html" >"$work/browser.txt"
summary "$(basename "$browser")" "$work/browser.txt"
# /usr/bin/time reports the largest single process; a browser runs several, so its memory is
# understated too.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b / a }'; }
echo "ratio      browser / vokarelo, medians: wall $(ratio "$(cut -d' ' -f1 "$work/vokarelo.txt" | median)" \
  "$(cut -d' ' -f1 "$work/browser.txt" | median)")x (target >= 10x), peak RSS $(ratio \
  "$(cut -d' ' -f2 "$work/vokarelo.txt" | median)" "$(cut -d' ' -f2 "$work/browser.txt" | median)")x (target >= 5x)"
