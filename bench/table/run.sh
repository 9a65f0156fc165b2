#!/usr/bin/env bash
# The start-up benchmark: the table window against an empty window program
# (the same executable in its other mode, so both load the same code),
# started alternately under wine64, nine times each; prints the medians of
# the time from process creation to the end of the first paint, and their
# ratio. Then the repaint figures. Exit 1 when a ratio misses its bound
# (start-up 1.5 x, repaints 10 x).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
out=${RDZ_BUILD_DIR:-build}
case $out in /*) ;; *) out=$root/$out ;; esac
bench=$out/x86_64/bin/tablebench.exe
[ -f "$bench" ] || { echo "missing $bench (scripts/build.sh x86_64)"; exit 1; }
source scripts/wine-env.sh
[ -n "${DISPLAY:-}" ] || rdz_start_xvfb
rdz_start_wine
trap 'rdz_stop_xvfb' EXIT

empty=(); table=()
rdz_wine "$bench" --startup-empty >/dev/null  # the first start fills the caches
for _ in 1 2 3 4 5 6 7 8 9; do
  empty+=("$(rdz_wine "$bench" --startup-empty | sed -n 's/.*first paint \([0-9.]*\) ms.*/\1/p')")
  line=$(rdz_wine "$bench" --startup-table)
  echo "  $line"
  table+=("$(echo "$line" | sed -n 's/.*first paint \([0-9.]*\) ms after.*/\1/p')")
done
median() { printf '%s\n' "$@" | sort -n | sed -n 5p; }
e=$(median "${empty[@]}"); t=$(median "${table[@]}")
ratio=$(awk -v t="$t" -v e="$e" 'BEGIN { printf "%.2f", t / e }')
echo "start-up to the first paint: table window $t ms, empty window $e ms (medians of 9): $ratio x (bound 1.5)"
status=0
awk -v r="$ratio" 'BEGIN { exit !(r <= 1.5) }' || status=1
rdz_wine "$bench" --repaint || status=1
exit $status
