#!/usr/bin/env bash
# The built game as a player runs it: start it under wine64, find its window
# by title, click the spin button at its place on the screen, wait for the
# decision to show in the result box, see the balance, the status and the
# gauge change on the screen too, close the window
# with Alt+F4 and expect the program to end by itself.
# Fails when the window never appears, the program dies, the spin changes
# nothing on the screen, or the program does not end after the close.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
source scripts/wine-env.sh
out=${RDZ_BUILD_DIR:-build}
exe=$out/x86_64/bin/RozudavuvoDarizZodovi.exe
title="Rozudavuvo Dariz Zodovi"
fail() { echo "TableWindowSpin: $*" >&2; exit 1; }
[ -f "$exe" ] || fail "$exe was not built"

if [ -z "${DISPLAY:-}" ]; then
  rdz_start_xvfb
fi
rdz_start_wine
work=$(mktemp -d)
game=""
cleanup() {
  if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then kill "$game" 2>/dev/null || true; fi
  rm -rf "$work"
  rdz_stop_xvfb
}
trap cleanup EXIT

# Client-area positions of the layout (pixels).
button_x=$((344 + 75 / 2)); button_y=$((251 + 25 / 2))
result_box=81x89+640+128
balance_field=82x21+$((568 + 63))+$((2 + 29))   # in the group box
status_panel=209x17+$((0 + 2))+$((285 + 3))     # in the status bar
gauge=178x19+583+222

rdz_wine "$exe" >"$work/game.log" 2>&1 &
game=$!

wid=""
for _ in $(seq 1 600); do  # up to 60 s for wine to bring the window up
  wid=$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  kill -0 "$game" 2>/dev/null || fail "the program ended before its window appeared"
  sleep 0.1
done
[ -n "$wid" ] || fail "no window titled '$title' appeared"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" = 775 ] && [ "$HEIGHT" = 306 ] || fail "client area is ${WIDTH}x$HEIGHT, not 775x306"

shot() {  # file: the window's client area
  import -window root -crop "775x306+$X+$Y" +repage "$1"
}
differ() {  # a, b [crop]: exit 0 when the pictures (or that part of them) differ
  local a=$1 b=$2
  if [ $# -ge 3 ]; then
    convert "$1" -crop "$3" +repage "$work/a.png"; convert "$2" -crop "$3" +repage "$work/b.png"
    a=$work/a.png; b=$work/b.png
  fi
  local n
  n=$(compare -metric AE "$a" "$b" null: 2>&1 || true)
  [ "${n%% *}" != 0 ]
}

# The first paint has landed once the picture stops changing.
shot "$work/before.png"
for _ in $(seq 1 50); do
  sleep 0.2
  shot "$work/again.png"
  differ "$work/before.png" "$work/again.png" || break
  cp "$work/again.png" "$work/before.png"
done

xdotool mousemove $((X + button_x)) $((Y + button_y)) click 1
decided=""
for _ in $(seq 1 150); do  # the decision comes 2.6 s after the click; up to 30 s under load
  sleep 0.2
  kill -0 "$game" 2>/dev/null || fail "the program died during the spin"
  shot "$work/after.png"
  if differ "$work/before.png" "$work/after.png" "$result_box"; then decided=yes; break; fi
done
[ -n "$decided" ] || fail "the result box never changed after the click"
differ "$work/before.png" "$work/after.png" || fail "the screenshot is unchanged by the spin"
differ "$work/before.png" "$work/after.png" "$balance_field" || fail "the balance field did not change"
differ "$work/before.png" "$work/after.png" "$status_panel" || fail "the status panel did not change"
differ "$work/before.png" "$work/after.png" "$gauge" || fail "the gauge did not change"
mkdir -p "$out/test-logs"
cp "$work/after.png" "$out/test-logs/e2e-spin.png"

# Close as a user does without a frame: focus the window, then Alt+F4.
xdotool mousemove $((X + 100)) $((Y + 100)) click 1
xdotool key alt+F4
for _ in $(seq 1 300); do
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$game" 2>/dev/null; then fail "the program did not end after Alt+F4"; fi
status=0
wait "$game" || status=$?
game=""
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "TableWindowSpin: passed"
