#!/usr/bin/env bash
# The game read by another program as a screen reader reads it, under wine64:
#  1. accwalk (a separate process) reads every window's accessible object of
#     the table window: the tree must be tests/e2e/expected/TableAccess.before.txt.
#  2. accwalk --events follows the game while a round is played with the
#     keyboard alone: the stake one step down and back up, Tab to the spin
#     button, Space. It must hear the focus reach the stake selector and the
#     button, the new stake, the button going unavailable and coming back,
#     the status panel's texts, the balance, the gauge and the result.
#  3. After the round the tree must be TableAccess.after.txt.
set -euo pipefail
e2e_name=ScreenReaderPlay
source "$(dirname "$0")/lib/TableWindow.sh"
e2e_setup
accwalk=$out/x86_64/bin/accwalk.exe
[ -f "$accwalk" ] || fail "$accwalk was not built"
expected=tests/e2e/expected

walk() {  # file: the tree as accwalk reads it now, without wine's carriage returns
  rdz_wine "$accwalk" --wait 10 | tr -d '\r' >"$1"
}
same_tree() {  # file, expected file, what
  diff -u "$2" "$1" >"$work/tree.diff" || { cat "$work/tree.diff" >&2; fail "$3: the tree differs from $2"; }
}

start_game
xdotool mousemove $((X + 300)) $((Y + 12))
walk "$work/before.txt"
same_tree "$work/before.txt" "$expected/TableAccess.before.txt" "before the round"

rdz_wine "$accwalk" --events --wait 10 >"$work/events.txt" 2>&1 &
events=$!
for _ in $(seq 1 100); do  # up to 10 s for the hook to be in place
  grep -q following "$work/events.txt" && break
  sleep 0.1
done
grep -q following "$work/events.txt" || fail "accwalk --events did not start following"

key() { xdotool key --delay 150 "$@"; }
heard() {  # pattern, what, [seconds]: waits for an event line matching the pattern
  for _ in $(seq 1 $((${3:-10} * 5))); do
    tr -d '\r' <"$work/events.txt" | grep -Eq "$1" && return 0
    sleep 0.2
  done
  echo "--- events heard:" >&2
  tr -d '\r' <"$work/events.txt" >&2
  fail "$2: no event like /$1/"
}

key Tab Tab
heard '^focus combo box "Miktar:" value="5 VKS"' "Tab to the stake selector"
key Down
heard '^value combo box "Miktar:" value="25 VKS"' "Down on the stake selector"
key Up
heard '^value combo box "Miktar:" value="5 VKS"' "Up on the stake selector"
key Tab
heard '^focus push button "Hadi Kizim" state=focusable,focused action="Press"' "Tab to the spin button"
key space
heard '^state push button "Hadi Kizim" state=unavailable' "Space: the button during the round"
heard '^name static text "Cekiliyor"' "Space: the status panel"
heard '^value editable text "Bakiyeniz:" value="195"' "Space: the stake taken from the balance"
heard '^value progress bar "" value="[0-9]+%"' "the gauge during the round"
heard '^value editable text "" value="0"' "the result" 20
heard '^value progress bar "" value="100%"' "the gauge at the decision"
heard '^name static text "Tebrikler Kazandiniz!"' "the decision in the status panel"
heard '^value editable text "Bakiyeniz:" value="205"' "the win paid into the balance"
heard '^state push button "Hadi Kizim" state=focusable' "the button back after the round"

walk "$work/after.txt"
same_tree "$work/after.txt" "$expected/TableAccess.after.txt" "after the round"

xdotool key alt+F4
expect_end "Alt+F4"
for _ in $(seq 1 100); do  # the follower ends with the window
  kill -0 "$events" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$events" 2>/dev/null && fail "accwalk --events did not end with the window"
mkdir -p "$out/test-logs"
tr -d '\r' <"$work/events.txt" >"$out/test-logs/e2e-screenreader-events.txt"
echo "ScreenReaderPlay: passed"
