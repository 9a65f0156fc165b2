#!/usr/bin/env bash
# The game played with the keyboard alone, under wine64. The pointer is only
# parked on the caption, never clicked: without a window manager the keys go
# to the window under the pointer.
#  1. The focus starts on the balance field; Tab walks the number selector,
#     the stake selector, the spin button, the result box and round to the
#     balance field again, and each of them shows its focus.
#  2. The number by arrows (three steps down: "2") and by type-ahead ("1"
#     then "7" at once: "17", the very picture that Home and eighteen steps
#     down give); the stake one step down by arrow.
#  3. Tab to the button: Space spins and the decision shows; the focus is
#     back on the button, and Enter spins again.
#  4. Alt+Space opens the system menu and Escape closes it; Alt+Space then
#     N (the letter of Minimize) minimises the window, Alt+Space then Alt+R
#     (Restore) brings it back, and Alt+Space then C (Close) ends the
#     program; started again, Alt+F4 ends it.
# Fails when a step changes nothing on the screen, changes the wrong thing,
# or the program does not end.
set -euo pipefail
e2e_name=KeyboardPlay
source "$(dirname "$0")/lib/TableWindow.sh"
e2e_setup

start_game
xdotool mousemove $((X + 300)) $((Y + 12))
selectors=431x25+144+251
settled_shot "$work/s0.png" "$selectors"

key() { xdotool key --delay 100 "$@"; }
keep() { settled_shot "$work/$1.png" "$selectors"; }  # name: the picture once the keys have acted
same() { ! differ "$@"; }
wait_for() {  # test (differ or same), picture, client rectangle, message: waits up to 5 s for test to hold
  local test=$1
  shift
  for _ in $(seq 1 25); do
    shot "$work/now.png"
    "$test" "$1" "$work/now.png" "$2" && return 0
    sleep 0.2
  done
  fail "$3"
}
changes() { wait_for differ "$@"; }  # before, rectangle, message: that part comes to differ from before
until_differs() {  # before, file, client rectangle, tries: shoots file every 0.2 s until that part differs from before
  for _ in $(seq 1 "$4"); do
    sleep 0.2
    shot "$2"
    differ "$1" "$2" "$3" && return 0
  done
  return 1
}
becomes() { wait_for same "$@"; }    # like, rectangle, message: that part comes to look as in like

# 1. Round the tab stops.
key Tab
changes "$work/s0.png" "$balance_field" "the balance field showed no focus at the start"
changes "$work/s0.png" "$number_box" "the number selector shows no focus after Tab"
keep s1
key Tab
changes "$work/s1.png" "$stake_box" "the stake selector shows no focus after Tab"
becomes "$work/s0.png" "$number_box" "the number selector kept its focus look after Tab"
keep s2
key Tab
changes "$work/s2.png" "$spin_button" "the spin button shows no focus after Tab"
becomes "$work/s0.png" "$stake_box" "the stake selector kept its focus look after Tab"
keep s3
key Tab
becomes "$work/s0.png" "$spin_button" "the spin button kept its focus look after Tab"
blinks() {  # picture, client rectangle: exit 0 when that part changes within 2 s (a caret)
  for _ in $(seq 1 10); do
    shot "$work/blink.png"
    differ "$1" "$work/blink.png" "$2" && return 0
    sleep 0.2
  done
  return 1
}
blinks "$work/s3.png" "$result_box" || fail "the result box shows no caret after Tab"
key Tab
becomes "$work/s0.png" "$balance_field" "Tab from the result box did not come round to the balance field"
becomes "$work/s0.png" "$selectors" "the selectors and the button are not as they started after a round of Tab"

# 2. The number and the stake.
key Tab
becomes "$work/s1.png" "$number_box" "the second round of Tab did not reach the number selector"
keep s6
key Down Down Down
changes "$work/s6.png" "$number_box" "the arrows did not change the number"
keep two
key 1 7
changes "$work/two.png" "$number_box" "typing 17 did not change the number"
keep seventeen
key Home
becomes "$work/s6.png" "$number_box" "Home did not go back to the first number"
key $(printf 'Down %.0s' $(seq 1 18))
becomes "$work/seventeen.png" "$number_box" "typing 17 did not choose the number that eighteen steps down choose"
key Tab
changes "$work/seventeen.png" "$number_box" "Tab did not leave the number selector"
keep stake
key Down
changes "$work/stake.png" "$stake_box" "the arrow did not change the stake"

# 3. Two rounds: Space on the button, then Enter.
key Tab
becomes "$work/s3.png" "$spin_button" "Tab from the stake selector did not reach the button"
keep ready
wait_decided() {  # picture before, what: waits up to 30 s for the result box, balance and status to change
  for _ in $(seq 1 150); do
    sleep 0.2
    kill -0 "$game" 2>/dev/null || fail "the program died during the spin"
    shot "$work/decided.png"
    if differ "$1" "$work/decided.png" "$result_box" && differ "$1" "$work/decided.png" "$status_panel"; then
      differ "$1" "$work/decided.png" "$balance_field" || fail "$2: the balance field did not change"
      return 0
    fi
  done
  fail "$2: no decision showed"
}
wait_focused_button() {  # what: waits up to 5 s for the enabled, focused button of before the round
  for _ in $(seq 1 25); do
    shot "$work/button.png"
    same "$work/ready.png" "$work/button.png" "$spin_button" && return 0
    sleep 0.2
  done
  fail "$1: the focus did not come back to the button"
}
xdotool key space
wait_decided "$work/ready.png" "Space on the button"
wait_focused_button "after the round played by Space"
shot "$work/round1.png"
xdotool key Return
# The result box shows only the number; the same number may come twice, so
# the second decision is seen in the status panel and the balance.
until_differs "$work/round1.png" "$work/spinning.png" "$status_panel" 25 || fail "Enter on the button did not start a round"
differ "$work/round1.png" "$work/spinning.png" "$balance_field" || fail "Enter on the button took no stake"
until_differs "$work/spinning.png" "$work/decided.png" "$status_panel" 150 ||
  fail "the round started by Enter showed no decision"
wait_focused_button "after the round played by Enter"
mkdir -p "$out/test-logs"
cp "$work/decided.png" "$out/test-logs/e2e-keyboard.png"

# 4. The system menu, and the end.
settled_shot "$work/plain.png" "$selectors"
xdotool key alt+space
sleep 0.5
shot "$work/menu.png"
differ "$work/plain.png" "$work/menu.png" "90x60+2+0" || fail "Alt+Space showed no menu below the system-menu button"
xdotool key Escape
sleep 0.5
shot "$work/closed.png"
same "$work/plain.png" "$work/closed.png" "90x60+2+0" || fail "Escape did not close the system menu"
# The items' letters. Minimised, the layered border's four strip windows
# go (nothing else takes the X window away without a window manager), and
# Alt+Space over the window opens the menu at the pointer.
before_min=$(shown)
xdotool key alt+space
sleep 0.5
xdotool key n
wait_shown $((before_min - 4)) "Alt+Space then N (Minimize)"
focus_minimised
xdotool key alt+space
sleep 0.5
xdotool key alt+r
wait_shown "$before_min" "Alt+Space then Alt+R (Restore)"
xdotool key alt+space
sleep 0.5
xdotool key c
expect_end "Alt+Space then C (Close)"
start_game
xdotool mousemove $((X + 300)) $((Y + 12))
sleep 0.3
xdotool key alt+F4
expect_end "Alt+F4"
echo "KeyboardPlay: passed"
