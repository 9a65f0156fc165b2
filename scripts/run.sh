#!/usr/bin/env bash
# Builds the game for x86_64 Windows and runs it under wine64.
# With a display ($DISPLAY set) the window opens there and the script waits
# until it is closed. Without one, the game runs on a private Xvfb display;
# once its window is up a screenshot is saved to build/screenshot.png and the
# game is closed. Arguments go to the game (e.g. --skin FILE.skn).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
scripts/build.sh x86_64
exe=${RDZ_BUILD_DIR:-build}/x86_64/bin/RozudavuvoDarizZodovi.exe
[ -f "$exe" ] || { echo "run: $exe was not built" >&2; exit 1; }

source scripts/wine-env.sh
title="Rozudavuvo Dariz Zodovi"
if [ -n "${DISPLAY:-}" ]; then
  rdz_start_wine
  rdz_wine "$exe" "$@"
  exit 0
fi

rdz_start_xvfb
trap 'rdz_stop_wine; rdz_stop_xvfb' EXIT
rdz_start_wine
rdz_wine "$exe" "$@" &
game=$!
wid=""
for _ in $(seq 1 300); do  # up to 30 s for wine to bring the window up
  wid=$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  kill -0 "$game" 2>/dev/null || { echo "run: the game exited before its window appeared" >&2; exit 1; }
  sleep 0.1
done
[ -n "$wid" ] || { echo "run: no window titled '$title' appeared" >&2; exit 1; }
# Let the first paint land before the picture is taken: wait until two
# pictures of the window, a fifth of a second apart, are the same.
eval "$(xdotool getwindowgeometry --shell "$wid")"
shot=${RDZ_BUILD_DIR:-build}/screenshot.png
previous=$(mktemp --suffix=.png)
trap 'rm -f "$previous"; rdz_stop_wine; rdz_stop_xvfb' EXIT
import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$previous"
for _ in $(seq 1 50); do
  sleep 0.2
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shot"
  n=$(compare -metric AE "$previous" "$shot" null: 2>&1 || true)
  [ "${n%% *}" = 0 ] && break
  cp "$shot" "$previous"
done
import -window root "$shot"
echo "run: no display; the game ran on a virtual one and its screenshot is $shot"
# Close it as a user would (the plain window has no frame buttons): focus,
# then Alt+F4; the game ends its loop and exits.
xdotool mousemove $((X + 100)) $((Y + 100)) click 1
xdotool key alt+F4
for _ in $(seq 1 100); do
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
