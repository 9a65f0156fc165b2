#!/usr/bin/env bash
# The table window against the same window built from the system's own
# controls (tablebench's peer), under wine64: the three start-up modes
# (table window, peer, and an empty window for context) started in turn,
# nine times each (RDZ_BENCH_RUNS to change it); prints the medians of the
# time from process creation to the end of the first paint and of the
# private memory then, and the table window's ratios to the peer. Then the
# repaint figures (tablebench --repaint). Exit 1 when a ratio misses its
# bound: start-up 1.2 x, private memory 2 x, full repaint 1.5 x, hover 2 x.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
out=${RDZ_BUILD_DIR:-build}
case $out in /*) ;; *) out=$root/$out ;; esac
bench=$out/x86_64/bin/tablebench.exe
[ -f "$bench" ] || { echo "missing $bench (scripts/build.sh x86_64)"; exit 1; }
runs=${RDZ_BENCH_RUNS:-9}
source scripts/wine-env.sh
[ -n "${DISPLAY:-}" ] || rdz_start_xvfb
rdz_start_wine
trap 'rdz_stop_xvfb' EXIT

rdz_wine "$bench" --machine
empty=(); table=(); system=(); tableMem=(); systemMem=()
# The first start of each fills the caches.
for mode in empty table system; do rdz_wine "$bench" --startup-$mode >/dev/null; done
firstPaint() { sed -n 's/.*first paint \([0-9.]*\) ms after.*/\1/p'; }
memory() { sed -n 's/.*private memory \([0-9]*\) KiB.*/\1/p'; }
for _ in $(seq "$runs"); do
  empty+=("$(rdz_wine "$bench" --startup-empty | firstPaint)")
  line=$(rdz_wine "$bench" --startup-table)
  echo "  $line"
  table+=("$(echo "$line" | firstPaint)"); tableMem+=("$(echo "$line" | memory)")
  line=$(rdz_wine "$bench" --startup-system)
  echo "  $line"
  system+=("$(echo "$line" | firstPaint)"); systemMem+=("$(echo "$line" | memory)")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
within() { awk -v r="$1" -v b="$2" 'BEGIN { exit !(r <= b) }'; }
t=$(median "${table[@]}"); s=$(median "${system[@]}"); e=$(median "${empty[@]}")
tm=$(median "${tableMem[@]}"); sm=$(median "${systemMem[@]}")
startup=$(ratio "$t" "$s"); mem=$(ratio "$tm" "$sm")
echo "start-up to the first paint (medians of $runs): table window $t ms, system-controls window $s ms: $startup x (bound 1.2)"
echo "  context: an empty window $e ms; the table window is $(ratio "$t" "$e") x, the system-controls window $(ratio "$s" "$e") x"
echo "private memory after start-up (medians of $runs): table window $tm KiB, system-controls window $sm KiB: $mem x (bound 2)"
status=0
within "$startup" 1.2 || status=1
within "$mem" 2 || status=1
rdz_wine "$bench" --repaint || status=1
exit $status
