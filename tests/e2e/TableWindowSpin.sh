#!/usr/bin/env bash
# The built game as a player runs it, under wine64:
#  1. find the skinned window by title (777 x 333: the client 775 x 306 in
#     the skin's frame), see the caption text and the close button where
#     the skin puts them;
#  2. pick a number with the mouse; see its open list close on a click on
#     the table picture and on Tab (which moves the focus on); pick a stake
#     with the keyboard through the skinned selectors, click the spin
#     button, wait for the decision to show in the result box, see the
#     balance, the status and the gauge change on the screen;
#  3. close it with the close button and expect the program to end;
#  4. start it again and close it with Alt+F4;
#  5. start it again: Alt+Space shows the skinned system menu below the
#     system-menu button, Roll Up from it rolls the window to its caption
#     and Restore from it brings it back, caption double clicks roll it up
#     and down, a click on the system-menu button opens the menu with the
#     button drawn down until Escape closes it, the minimise button
#     minimises it and Restore from the menu
#     brings it back, and Close from the menu of a right click on the
#     caption ends the program.
# Fails when the window never appears, the program dies, a step changes
# nothing on the screen, or the program does not end after a close.
set -euo pipefail
e2e_name=TableWindowSpin
source "$(dirname "$0")/lib/TableWindow.sh"
e2e_setup

start_game
# The first paint has landed once the picture stops changing.
settled_shot "$work/before.png"
drawn "$work/before.png" "$caption_text" || fail "no caption text where the skin puts it"
drawn "$work/before.png" "18x18+$((close_x - 9))+$((close_y - 9))" || fail "no close button where the skin puts it"

# Pick the number "2" with the mouse: open the number selector, click the
# fourth row of its list (3 pixels of frame, rows 19 high).
client_x=$((X + frame_left)); client_y=$((Y + frame_top))
xdotool mousemove $((client_x + 144 + 20)) $((client_y + 253 + 10)) click 1
sleep 0.5
xdotool mousemove $((client_x + 144 + 20)) $((client_y + 253 + 21 + 3 + 19 * 3 + 9)) click 1
sleep 0.5
shot "$work/picked.png"
differ "$work/before.png" "$work/picked.png" "43x15+$((144 + 3))+$((253 + 3))" || fail "the number selector did not change"
# An open list closes on a click anywhere but its selector: open the number
# list again (its top rows show inside the window, below the selector) and
# click the table picture; the list goes and "2" stays. Tab with the list
# open closes it too and moves the focus on to the stake selector.
number_list=65x30+144+$((253 + 22))
xdotool mousemove $((client_x + 144 + 20)) $((client_y + 253 + 10)) click 1
wait_differ "$work/picked.png" "$work/listed.png" "$number_list" "a click on the number selector showed no list"
xdotool mousemove $((client_x + 280)) $((client_y + 120)) click 1
wait_same "$work/picked.png" "$work/unlisted.png" "$number_list" "a click on the table picture left the number list open"
differ "$work/picked.png" "$work/unlisted.png" "$number_box" && fail "a click on the table picture changed the number"
xdotool mousemove $((client_x + 144 + 20)) $((client_y + 253 + 10)) click 1
wait_differ "$work/picked.png" "$work/listed.png" "$number_list" "a click on the number selector showed no list"
xdotool key Tab
wait_same "$work/picked.png" "$work/tabbed.png" "$number_list" "Tab left the number list open"
wait_differ "$work/picked.png" "$work/tabbed.png" "$stake_box" "Tab with the number list open did not move the focus to the stake selector"
# Pick the stake "25 VKS" with the keyboard: focus the stake selector (a
# click opens its list, Escape closes it), then one step down.
xdotool mousemove $((client_x + 256 + 20)) $((client_y + 253 + 10)) click 1
sleep 0.3
xdotool key Escape
sleep 0.2
xdotool key Down
sleep 0.5
shot "$work/staked.png"
differ "$work/picked.png" "$work/staked.png" "51x15+$((256 + 3))+$((253 + 3))" || fail "the stake selector did not change"

xdotool mousemove $((client_x + button_x)) $((client_y + button_y)) click 1
decided=""
for _ in $(seq 1 150); do  # the decision comes 2.6 s after the click; up to 30 s under load
  sleep 0.2
  kill -0 "$game" 2>/dev/null || fail "the program died during the spin"
  shot "$work/after.png"
  if differ "$work/before.png" "$work/after.png" "$result_box"; then decided=yes; break; fi
done
[ -n "$decided" ] || fail "the result box never changed after the click"
differ "$work/before.png" "$work/after.png" "$balance_field" || fail "the balance field did not change"
differ "$work/before.png" "$work/after.png" "$status_panel" || fail "the status panel did not change"
differ "$work/before.png" "$work/after.png" "$gauge" || fail "the gauge did not change"
mkdir -p "$out/test-logs"
cp "$work/after.png" "$out/test-logs/e2e-spin.png"

# The close button.
xdotool mousemove $((X + close_x)) $((Y + close_y)) click 1
expect_end "a click on the close button"

# Alt+F4 closes too.
start_game
xdotool mousemove $((X + 300)) $((Y + 100)) click 1
xdotool key alt+F4
expect_end "Alt+F4"

# The system menu. The pointer stays on the caption: without a window
# manager the keys go to the window under the pointer, and the rolled-up
# window is only its caption.
start_game
xdotool mousemove $((X + 300)) $((Y + 12)) click 1
sleep 0.3
shot "$work/plain.png"
xdotool key alt+space
sleep 0.5
shot "$work/menu.png"
differ "$work/plain.png" "$work/menu.png" "90x60+2+0" || fail "Alt+Space showed no menu below the system-menu button"
xdotool key Down Return
wait_height 27 "Roll Up from the system menu"
xdotool key alt+space
sleep 0.5
xdotool key Down Return   # Restore stands where Roll Up was
wait_height 333 "Restore from the system menu"
xdotool click --repeat 2 --delay 80 1
wait_height 27 "a double click on the caption"
xdotool click --repeat 2 --delay 80 1
wait_height 333 "a double click on the rolled-up caption"

# The system-menu button (window 4..24, 3..23) clicked: the menu opens
# below it and the button shows its down look, not its hot one, until the
# menu closes.
sys_look() { convert "$1" -crop 12x12+8+7 +repage "$2"; }  # picture, file: the button's middle
same_pic() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true)" = 0 ]; }
shot "$work/sys.png"
sys_look "$work/sys.png" "$work/sys-normal.png"
xdotool mousemove $((X + 14)) $((Y + 13))
touch "$work/sys-hot.png"
for _ in $(seq 1 30); do  # the hot look, once its morph is over
  sleep 0.1
  shot "$work/sys.png"
  sys_look "$work/sys.png" "$work/sys-now.png"
  same_pic "$work/sys-normal.png" "$work/sys-now.png" && continue
  same_pic "$work/sys-hot.png" "$work/sys-now.png" && break
  cp "$work/sys-now.png" "$work/sys-hot.png"
done
same_pic "$work/sys-hot.png" "$work/sys-now.png" || fail "the system-menu button did not light up under the pointer"
xdotool click 1
down=""
for _ in $(seq 1 30); do
  sleep 0.1
  shot "$work/sys.png"
  differ "$work/plain.png" "$work/sys.png" "90x60+2+0" || continue  # no menu yet
  sys_look "$work/sys.png" "$work/sys-now.png"
  same_pic "$work/sys-hot.png" "$work/sys-now.png" || same_pic "$work/sys-normal.png" "$work/sys-now.png" ||
    { down=yes; break; }
done
[ -n "$down" ] || fail "the system-menu button is not drawn down while its menu is open"
xdotool key Escape
xdotool mousemove $((X + 300)) $((Y + 12))
up=""
for _ in $(seq 1 30); do  # the pointer gone too: the normal look
  sleep 0.1
  shot "$work/sys.png"
  sys_look "$work/sys.png" "$work/sys-now.png"
  same_pic "$work/sys-normal.png" "$work/sys-now.png" && { up=yes; break; }
done
[ -n "$up" ] || fail "the system-menu button stayed down after Escape closed its menu"

# Minimise: the application goes to the task bar. Without a window manager
# nothing takes the X window away, but the layered border's four strip
# windows go; Alt+Space over the window opens the system menu at the
# pointer, whose first item is then Restore, and the strips come back.
before_min=$(shown)
xdotool mousemove $((X + minimise_x)) $((Y + close_y)) click 1
wait_shown $((before_min - 4)) "the minimise button"
xdotool mousemove $((X + 300)) $((Y + 12))
focus_minimised
xdotool key alt+space
sleep 0.5
xdotool key Return
wait_shown "$before_min" "Restore after minimising"
sleep 0.3
xdotool click 3
sleep 0.5
xdotool key Up Return
expect_end "Close from the system menu"
echo "TableWindowSpin: passed"
