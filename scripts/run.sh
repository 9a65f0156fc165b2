#!/usr/bin/env bash
# Builds the game and runs it under wine: the shipped 32-bit (i686) program
# under wine 10 (scripts/wine10.sh, set up once, as root), or the x86_64
# build where 32-bit code cannot run (said when it happens) or without root
# (under Debian's own wine64). RDZ_ARCH=x86_64 or i686 picks the build.
# With a display ($DISPLAY set) the window opens there and the script waits
# until it is closed. Without one, the game runs on a private Xvfb display;
# once its window is up a screenshot is saved to build/screenshot.png and
# the game is closed. Arguments go to the game (e.g. --skin FILE.skn).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
requested=${RDZ_ARCH:-}
source scripts/wine-env.sh
scripts/install-deps.sh

virtual=""
if [ -z "${DISPLAY:-}" ]; then
  virtual=yes
  rdz_start_xvfb
  trap 'rdz_stop_wine; rdz_stop_xvfb' EXIT
fi
rdz_start_wine
if [ -z "$requested" ] && [ "$RDZ_WINE_RUNTIME" = wine10 ]; then
  if rdz_runs_32bit; then
    RDZ_ARCH=i686
  else
    echo "run: wine cannot run 32-bit programs on this machine; running the x86_64 build" >&2
  fi
fi
scripts/build.sh "$RDZ_ARCH"
exe=${RDZ_BUILD_DIR:-build}/$RDZ_ARCH/bin/RozudavuvoDarizZodovi.exe
[ -f "$exe" ] || { echo "run: $exe was not built" >&2; exit 1; }

title="Rozudavuvo Dariz Zodovi"
if [ -z "$virtual" ]; then
  rdz_wine "$exe" "$@"
  exit 0
fi

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
echo "run: no display; the $RDZ_ARCH game ran on a virtual one and its screenshot is $shot"
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
