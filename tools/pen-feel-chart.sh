#!/usr/bin/env bash
# Runs the pen-feel benchmark and draws its comparison of the smoothing modes into
# docs/pen-feel.svg: jitter of a pen at rest against the lag of a moving pen, one point per
# mode and speed. Needs gnuplot (Debian: gnuplot-nox).
#
#   tools/pen-feel-chart.sh [BUILD_DIR] [OUTPUT]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
output=${2:-$root/docs/pen-feel.svg}
bench=$build/bin/pen_feel_bench
if [[ ! -x $bench ]]; then
  echo "pen-feel-chart: $bench is missing: build the project first" >&2
  exit 1
fi
if ! command -v gnuplot >/dev/null; then
  echo "pen-feel-chart: gnuplot is missing (apt install gnuplot-nox)" >&2
  exit 1
fi

data=$(mktemp)
trap 'rm -f "$data"' EXIT
# The table goes to the terminal; the figures to the chart. A missed target still draws.
"$bench" --chart "$data" || status=$?
if [[ ${status:-0} -gt 1 ]]; then
  exit "$status"
fi

# Columns: name, RMS at rest (px), lag at 3 px/frame, at 15 px/frame, on short strokes.
gnuplot <<GNUPLOT
set terminal svg size 760,460 font "Liberation Sans,13" background rgb "white"
set output "$output"
set title "Pen smoothing: jitter at rest against lag (lower left is better)"
set xlabel "lag of a moving pen (frames of 10 ms)"
set ylabel "RMS jitter of a pen at rest (px)"
set grid lc rgb "#dddddd"
set key top right box opaque
set xrange [-0.2:*]
set offsets 0, 0.4, 0.3, 0
set yrange [0:*]
set datafile separator "\t"
average = "< grep '^\"average' '$data'"
adaptive = "< grep '^\"adaptive' '$data'"
plot average using 4:2 with linespoints pt 7 ps 1.2 lc rgb "#c0504d" \\
         title "average of n: the same lag at every speed", \\
     average using 4:2:1 with labels offset 0,1.1 font ",11" tc rgb "#7f2f2d" notitle, \\
     adaptive using 4:2 with points pt 9 ps 2 lc rgb "#1f6fb2" title "adaptive, at 15 px/frame", \\
     adaptive using 3:2 with points pt 8 ps 2 lc rgb "#1f6fb2" title "adaptive, at 3 px/frame", \\
     adaptive using 5:2 with points pt 12 ps 2 lc rgb "#1f6fb2" \\
         title "adaptive, short strokes at 8 px/frame"
GNUPLOT
echo "pen-feel-chart: wrote $output"
