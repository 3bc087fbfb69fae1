#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-to-JPEG of the default picture as a whole process: RUNS runs of `vokarelo --script -`, each
# timed on the wall clock with its peak resident memory from /usr/bin/time; then the same for a
# headless browser's screenshot of an equivalent page, when a browser is installed, and the ratios.
#
#   bench/batch/start_to_jpeg.sh [PROGRAM] [RUNS]
#
# PROGRAM defaults to build/src/app/vokarelo (build it with -DCMAKE_BUILD_TYPE=Release), RUNS to 20.
# It installs nothing; hyperfine and the browser are optional (bench/README.md names the packages).
set -euo pipefail
cd "$(dirname "$0")/../.."

program=${1:-build/src/app/vokarelo}
runs=${2:-20}
memory_runs=3
[ -x "$program" ] || { echo "no program at $program; build it first (see bench/README.md)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian: apt-get install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# measure OUTPUT COMMAND...: runs COMMAND RUNS times, with the script on its standard input and a
# fresh empty $work/profile (the browser's; Vokarelo does not use it). Prints one line per run:
# wall microseconds and peak RSS in KiB. A run that fails or does not write OUTPUT ends the script.
measure() {
  local output=$1 i start end
  shift
  for ((i = 0; i < runs; i++)); do
    rm -rf "$output" "$work/profile"
    mkdir "$work/profile"
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>"$work/stderr" <"$work/input" ||
      { tail -n 20 "$work/stderr" >&2; echo "run failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    [ -s "$output" ] || { tail -n 20 "$work/stderr" >&2; echo "no $output from: $*" >&2; exit 1; }
    echo "$(((end - start) / 1000)) $(tail -n 1 "$work/rss")"
  done
}

# peak_pss COMMAND...: runs COMMAND once in a session of its own and prints the largest sum, over
# samples about every 20 ms, of the proportional set sizes (PSS, KiB) of the session's processes:
# the memory of a program of several processes, each shared page counted once. Sampling misses
# short peaks, so the figure is rather low than high.
peak_pss() {
  local pid total peak=0
  rm -rf "$work/profile"
  mkdir "$work/profile"
  setsid "$@" >/dev/null 2>&1 <"$work/input" &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    total=$({ pgrep -s "$pid" || true; } | sed 's|.*|/proc/&/smaps_rollup|' |
      { xargs -r cat 2>/dev/null || true; } | awk '$1 == "Pss:" { kib += $2 } END { print kib + 0 }')
    if ((total > peak)); then peak=$total; fi
    sleep 0.01
  done
  wait "$pid" || { echo "run failed: $*" >&2; return 1; }
  echo "$peak"
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
measure "$work/out/default.jpg" "$program" --script - >"$work/vokarelo.txt"
summary vokarelo "$work/vokarelo.txt"

# hyperfine is optional, and so is its --input (Debian 12's hyperfine 1.15 has none): the script
# reaches the program through the shell that hyperfine runs each command in, whose own start-up
# hyperfine measures and subtracts. A failure here is reported and the comparison goes on.
if command -v hyperfine >/dev/null; then
  VOKARELO_BENCH_PROGRAM=$program VOKARELO_BENCH_INPUT=$work/input \
    hyperfine --style basic --warmup 2 --runs "$runs" --command-name "vokarelo --script - <script" \
    '"$VOKARELO_BENCH_PROGRAM" --script - <"$VOKARELO_BENCH_INPUT"' ||
    echo "hyperfine failed; its figures are left out" >&2
fi

browser=""
for candidate in chromium chromium-browser google-chrome google-chrome-stable; do
  if command -v "$candidate" >/dev/null; then browser=$(command -v "$candidate"); break; fi
done
if [ -z "$browser" ]; then
  echo "browser    chromium is not installed (nor chromium-browser, google-chrome): no comparison measured"
  exit 0
fi

# The equivalent page composes the default picture as the program does: the same pictures from
# assets/ and the same captions, in the same faces, sizes and colours, in boxes at the elements'
# pixel rectangles (15 twips to the pixel; the status bar's colour and the battery's width as the
# start-up sets them). The browser decodes the pictures, loads the fonts, lays the
# text out and composites, as Vokarelo does; it writes a PNG where Vokarelo writes a JPEG.
assets="file://$PWD/assets"
cat >"$work/page.html" <<HTML
<!doctype html>
<html><head><meta charset="utf-8"><style>
body { margin: 0; width: 524px; height: 854px; overflow: hidden; position: relative; background: #f0f0f0; }
img, div { position: absolute; overflow: hidden; }
div { background: #fff; line-height: 1; white-space: nowrap; color: #000; }
.arial { font-family: "Liberation Sans", Arial, sans-serif; }
.hei { font-family: "Noto Sans CJK SC", sans-serif; }
.grey { color: #808080; } .light { color: #c0c0c0; }
</style></head><body>
<img src="$assets/phone_background.jpg" style="left: 0; top: 0">
<div class="arial" style="left: 64px; top: 256px; width: 401px; height: 57px; font-size: 48px; text-align: center">138 0013 8000</div>
<div class="arial" style="left: 40px; top: 335px; width: 193px; height: 33px; font-size: 24px">138 0013 8000</div>
<div class="arial grey" style="left: 48px; top: 498px; width: 177px; height: 33px; font-size: 24px">138 0013 8000</div>
<div class="hei light" style="left: 40px; top: 365px; width: 225px; height: 25px; font-size: 20px">广东湛江 移动</div>
<div class="hei" style="left: 24px; top: 453px; width: 337px; height: 33px; font-size: 29px; font-weight: bold">10月14日 9:32</div>
<div class="hei light" style="left: 360px; top: 472px; width: 153px; height: 33px; font-size: 24px; text-align: right">1分11秒</div>
<div class="arial" style="left: 373px; top: 6px; width: 41px; height: 25px; font-size: 16px; text-align: center; background: #e1daec">91%</div>
<div class="arial" style="left: 453px; top: 6px; width: 65px; height: 25px; font-size: 16px; background: #e1daec">15:17</div>
<img src="$assets/battery_fill.jpg" style="left: 421px; top: 13px; width: 19px; height: 10px; object-fit: none; object-position: 0 0">
<img src="$assets/call_icon.jpg" style="left: 24px; top: 502px; width: 20px; height: 19px; object-fit: none; object-position: 0 0">
</body></html>
HTML
# Without the background networking a headless browser stalls on a machine with no network; the
# profile is fresh for every run, as Vokarelo starts from nothing.
browse=("$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run
  --disable-background-networking --disable-component-update --disable-sync
  --user-data-dir="$work/profile" --hide-scrollbars --window-size=524,854
  --screenshot="$work/out/browser.png" "file://$work/page.html")
: >"$work/input"
measure "$work/out/browser.png" "${browse[@]}" >"$work/browser.txt"
summary "$(basename "$browser")" "$work/browser.txt"

# /usr/bin/time reports the largest single process of the browser's several; their summed PSS is
# its memory as a whole.
for ((i = 0; i < memory_runs; i++)); do peak_pss "${browse[@]}"; done >"$work/browser-pss.txt"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b / a }'; }
wall=$(cut -d' ' -f1 "$work/vokarelo.txt" | median)
rss=$(cut -d' ' -f2 "$work/vokarelo.txt" | median)
browser_wall=$(cut -d' ' -f1 "$work/browser.txt" | median)
browser_rss=$(cut -d' ' -f2 "$work/browser.txt" | median)
browser_pss=$(median <"$work/browser-pss.txt")
awk -v label="$(basename "$browser")" -v n="$memory_runs" -v pss="$browser_pss" 'BEGIN {
  printf "%-10s %d runs  all processes, peak of the summed PSS MiB: median %.1f\n", label, n, pss / 1024 }'
echo "ratio      browser / vokarelo, medians: wall $(ratio "$wall" "$browser_wall")x (target >= 10x);" \
  "memory $(ratio "$rss" "$browser_pss")x (target >= 5x: the browser's summed PSS against" \
  "vokarelo's peak RSS), $(ratio "$rss" "$browser_rss")x counting only its largest process"
