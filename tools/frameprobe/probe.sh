#!/usr/bin/env bash
# Runs frameprobe under wine64 on a private Xvfb in its four modes and says,
# for each, what the X display shows at the caption band and at the side
# frame: green/magenta means our own frame is on screen, anything else that
# the frame was not mapped or the system drew over it.
#   tools/frameprobe/probe.sh [window-manager command]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
source scripts/wine-env.sh
exe=${RDZ_BUILD_DIR:-build}/x86_64/bin/frameprobe.exe
[ -f "$exe" ] || { echo "probe: build $exe first (scripts/build.sh x86_64)" >&2; exit 1; }
rdz_start_xvfb
wm_pid=""
trap '[ -n "$wm_pid" ] && kill $wm_pid 2>/dev/null; rdz_stop_wine; rdz_stop_xvfb' EXIT
if [ $# -gt 0 ]; then "$@" >/dev/null 2>&1 & wm_pid=$!; sleep 1; fi
rdz_start_wine
work=$(mktemp -d)
colour() {  # x y: the colour of the screenshot's pixel as "r,g,b"
  convert "$work/shot.png" -crop "1x1+$1+$2" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
for mode in "" "--answer" "--region" "--region --answer"; do
  # shellcheck disable=SC2086
  rdz_wine "$exe" $mode --seconds 6 >"$work/out.txt" 2>/dev/null &
  pid=$!
  for _ in $(seq 1 100); do grep -q window "$work/out.txt" 2>/dev/null && break; sleep 0.1; done
  sleep 1.5
  import -window root "$work/shot.png"
  read -r _ l t r b _ < "$work/out.txt"
  echo "mode [${mode:-plain}]: $(cat "$work/out.txt")"
  echo "  caption band ($((l + 150)),$((t + 12))): $(colour $((l + 150)) $((t + 12)))  (ours: 0,200,0)"
  echo "  left side    ($((l + 1)),$((t + 100))): $(colour $((l + 1)) $((t + 100)))  (ours: 255,0,255)"
  echo "  client       ($((l + 150)),$((t + 100))): $(colour $((l + 150)) $((t + 100)))  (ours: 0,0,255)"
  wait $pid || true
done
rm -rf "$work"
