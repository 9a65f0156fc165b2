# Sourced by the end-to-end scripts that play the built game under wine
# on an X display: starting it and finding its window, waiting for it to
# end, and comparing screenshots of it. The sourcing script sets
# e2e_name (for messages) and calls e2e_setup first. RDZ_ARCH picks the
# build (x86_64 by default, or i686, the shipped one).

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
cd "$e2e_root"
source scripts/wine-env.sh
out=${RDZ_BUILD_DIR:-build}
exe=$out/$RDZ_ARCH/bin/RozudavuvoDarizZodovi.exe
title="Rozudavuvo Dariz Zodovi"

fail() { echo "$e2e_name ($RDZ_ARCH): $*" >&2; exit 1; }

# The skin's frame: 1 pixel at the sides and the bottom, a 26-pixel caption.
frame_left=1; frame_top=26
# Client-area rectangles of the layout (size+left+top).
result_box=81x89+640+128
balance_field=82x21+$((568 + 63))+$((2 + 29))   # in the group box
status_panel=209x17+$((0 + 2))+$((285 + 3))     # in the status bar
gauge=178x19+583+222
number_box=65x20+144+253
stake_box=73x20+256+253
spin_button=75x25+344+251
# The spin button's centre (client coordinates).
button_x=$((344 + 75 / 2)); button_y=$((251 + 25 / 2))
# Window positions of the caption's parts (the close button sits 15 pixels
# from the right edge, the text starts after the system-menu button).
close_x=$((777 - 15)); close_y=13; minimise_x=$((close_x - 22))
caption_text=150x14+28+6

e2e_setup() {  # the display, the wine server, and a work folder removed at the end
  [ -f "$exe" ] || fail "$exe was not built"
  if [ -z "${DISPLAY:-}" ]; then
    rdz_start_xvfb
  fi
  rdz_start_wine
  work=$(mktemp -d)
  game=""
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then kill "$game" 2>/dev/null || true; fi
  rm -rf "$work"
  rdz_stop_xvfb
}

start_game() {  # starts the game and waits for its window: sets game, wid, X, Y, WIDTH, HEIGHT
  start_game_sized 777 333
}

start_game_sized() {  # width height [game arguments...]: start_game for a window of that size
  local want_width=$1 want_height=$2
  shift 2
  rdz_wine "$exe" "$@" >"$work/game.log" 2>&1 &
  game=$!
  wid=""
  for _ in $(seq 1 600); do  # up to 60 s for wine to bring the window up
    wid=$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    kill -0 "$game" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
  done
  [ -n "$wid" ] || fail "no window titled '$title' appeared"
  # Wine may map the window before it has taken its shaped, framed size.
  for _ in $(seq 1 100); do
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "$WIDTH" = "$want_width" ] && [ "$HEIGHT" = "$want_height" ] && break
    sleep 0.1
  done
  [ "$WIDTH" = "$want_width" ] && [ "$HEIGHT" = "$want_height" ] || fail "the window is ${WIDTH}x$HEIGHT, not ${want_width}x$want_height"
}

expect_end() {  # how: waits for the program to end by itself after a close
  for _ in $(seq 1 300); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game" 2>/dev/null; then fail "the program did not end after $1"; fi
  local status=0
  wait "$game" || status=$?
  game=""
  [ "$status" = 0 ] || fail "the program ended with status $status after $1"
}

shot() {  # file: the whole window
  import -window root -crop "777x333+$X+$Y" +repage "$1"
}

settled_shot() {  # file [client rectangle]: the window once its picture (or that part) stops changing, up to 10 s
  shot "$1"
  for _ in $(seq 1 50); do
    sleep 0.2
    shot "$work/settling.png"
    differ "$1" "$work/settling.png" ${2:+"$2"} || return 0
    cp "$work/settling.png" "$1"
  done
}

client_crop() {  # client rectangle size+left+top: the same part as a window crop
  local size=${1%%+*} rest=${1#*+}
  local cx=${rest%%+*} cy=${rest#*+}
  echo "$size+$((cx + frame_left))+$((cy + frame_top))"
}

differ() {  # a, b [client rectangle]: exit 0 when the pictures (or that part of them) differ
  local a=$1 b=$2
  if [ $# -ge 3 ]; then
    local crop
    crop=$(client_crop "$3")
    convert "$1" -crop "$crop" +repage "$work/a.png"; convert "$2" -crop "$crop" +repage "$work/b.png"
    a=$work/a.png; b=$work/b.png
  fi
  local n
  n=$(compare -metric AE "$a" "$b" null: 2>&1 || true)
  [ "${n%% *}" != 0 ]
}

drawn() {  # file crop: exit 0 when that part of the picture is not one flat colour
  local deviation
  deviation=$(convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:standard_deviation]' info:)
  awk -v d="$deviation" 'BEGIN { exit !(d > 0.02) }'
}

wait_height() {  # height, what: waits for the window to take that height
  for _ in $(seq 1 100); do
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "$HEIGHT" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2: the window is ${HEIGHT} high, not $1"
}

wait_differ() {  # reference, file, client rectangle, what: shots into file until that part differs from the reference, up to 10 s
  for _ in $(seq 1 50); do
    shot "$2"
    differ "$1" "$2" "$3" && return 0
    sleep 0.2
  done
  fail "$4"
}

wait_same() {  # reference, file, client rectangle, what: shots into file until that part is the reference's again, up to 10 s
  for _ in $(seq 1 50); do
    shot "$2"
    differ "$1" "$2" "$3" || return 0
    sleep 0.2
  done
  fail "$4"
}

# Windows shown on the display. Minimised, the table window keeps its X
# window (nothing takes it away without a window manager), but the layered
# border's four strip windows go.
shown() { { xdotool search --onlyvisible --name '' 2>/dev/null || true; } | wc -l; }  # none shown is a count too
wait_shown() {  # count, what
  local n=""
  for _ in $(seq 1 50); do n=$(shown); [ "$n" = "$1" ] && return 0; sleep 0.1; done
  fail "$2: $n windows shown, not $1"
}

# What a task bar button would do for the minimised window: give it the
# keys (wine 10 hands none to a minimised window under the pointer).
focus_minimised() {
  xdotool windowfocus "$wid"
  sleep 0.3
}
