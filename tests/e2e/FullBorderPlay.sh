#!/usr/bin/env bash
# The built game in a skin whose layered border is a full border (the
# built-in skin with its layer frame changed, packed with skintool), played
# with the pointer under wine64:
#  1. the window has no frame of its own: it is the 775 x 306 client area;
#  2. the caption text and the buttons are drawn in the border's strip
#     above the window;
#  3. the pointer over the close button lights it up, and leaving it puts
#     the normal look back;
#  4. a right click on the caption strip opens the skinned system menu;
#     Escape closes it;
#  5. a left click on the system-menu button in the strip opens the menu
#     below it, the button stays drawn down while the menu is open, and
#     the menu's items take the pointer: Roll Up clicked rolls the window
#     up, and Restore from the button's menu brings it back;
#  6. a click on the close button in the strip ends the program.
set -euo pipefail
e2e_name=FullBorderPlay
source "$(dirname "$0")/lib/TableWindow.sh"
e2e_setup

tool=$out/native/bin/skintool
[ -x "$tool" ] || fail "$tool was not built"
cp -r skins/Zevrak "$work/skin"
sed -i -e '/^\[LAYERFRAME\]/,/^\[/{
s/^fullborder=.*/fullborder=1/
s/^clientrect=.*/clientrect=14,34,164,144/
s/^lefttoppoint=.*/lefttoppoint=40,40/
s/^righttoppoint=.*/righttoppoint=140,40/
s/^buttonsrect=.*/buttonsrect=100,14,164,34/
s/^sysmenubuttonrect=.*/sysmenubuttonrect=14,14,34,34/
s/^captionrect=.*/captionrect=40,14,100,34/
}' "$work/skin/Zevrak.ini"
"$tool" pack "$work/skin" "$work/fullborder.skn" >/dev/null

# No frame of its own: the window is the bare 775 x 306 client area.
start_game_sized 775 306 --skin "Z:$work/fullborder.skn"

# The strip: 14 pixels left of the window, 34 above it, 805 wide. The
# buttons' place moves right with the width (805 - 180 = 625): the close
# button's centre lies at strip (779, 24), the caption's text from strip x 40.
strip() {  # file: the strip above the window
  import -window root -crop "805x40+$((X - 14))+$((Y - 34))" +repage "$1"
}
close_sx=$((X - 14 + 779)); close_sy=$((Y - 34 + 24))
strip "$work/strip.png"
for _ in $(seq 1 50); do  # the border comes after the window's first paint
  drawn "$work/strip.png" "120x14+40+17" && break
  sleep 0.2
  strip "$work/strip.png"
done
drawn "$work/strip.png" "120x14+40+17" || fail "no caption text in the border's strip"
drawn "$work/strip.png" "18x18+770+15" || fail "no close button in the border's strip"

xdotool mousemove "$close_sx" "$close_sy"
lit=""
for _ in $(seq 1 50); do
  sleep 0.1
  strip "$work/hot.png"
  convert "$work/strip.png" -crop 20x20+769+14 +repage "$work/a.png"
  convert "$work/hot.png" -crop 20x20+769+14 +repage "$work/b.png"
  n=$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true)
  [ "${n%% *}" != 0 ] && { lit=yes; break; }
done
[ -n "$lit" ] || fail "the close button did not light up under the pointer"
xdotool mousemove $((X + 300)) $((Y + 150))
back=""
for _ in $(seq 1 50); do  # the morph back, and the 500 ms mouse-out check
  sleep 0.1
  strip "$work/left.png"
  convert "$work/left.png" -crop 20x20+769+14 +repage "$work/b.png"
  n=$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true)
  [ "${n%% *}" = 0 ] && { back=yes; break; }
done
[ -n "$back" ] || fail "the close button kept its lit look after the pointer left"

# The system menu from a right click on the caption strip, where it shows:
# this skin's strip is clear between its upper edge and the window, and a
# layered window's clear pixels let the pointer through.
menus() { { xdotool search --onlyvisible --name '' 2>/dev/null || true; } | wc -l; }
before=$(menus)
xdotool mousemove $((X - 14 + 200)) $((Y - 34 + 12)) click 3
opened=""
for _ in $(seq 1 50); do sleep 0.1; [ "$(menus)" -gt "$before" ] && { opened=yes; break; }; done
[ -n "$opened" ] || fail "a right click on the caption strip opened no menu"
xdotool key Escape
for _ in $(seq 1 50); do sleep 0.1; [ "$(menus)" -le "$before" ] && break; done

# The system menu from the system-menu button at strip (14, 14): it opens
# below the button, at the window's top-left corner, with its items 20
# pixels high from 3 pixels down (Minimize, Roll Up or Restore, a
# separator, Close).
sys_sx=$((X - 14 + 24)); sys_sy=$((Y - 34 + 24))
second_item_x=$((X + 30)); second_item_y=$((Y + 3 + 20 + 10))
button_look() {  # strip picture, file: the system-menu button's 20 x 20 pixels
  convert "$1" -crop 20x20+14+14 +repage "$2"
}
same_look() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true)" = 0 ]; }
button_look "$work/strip.png" "$work/sys-normal.png"
menu_from_button() {  # what: clicks the button and waits for its menu, with the button drawn down
  local before lit="" down=""
  xdotool mousemove "$sys_sx" "$sys_sy"
  for _ in $(seq 1 50); do  # the hot look, once its morph is over
    sleep 0.1
    strip "$work/sys.png"
    button_look "$work/sys.png" "$work/sys-hot.png"
    same_look "$work/sys-normal.png" "$work/sys-hot.png" && continue
    [ -n "$lit" ] && same_look "$work/sys-lit.png" "$work/sys-hot.png" && break
    cp "$work/sys-hot.png" "$work/sys-lit.png"; lit=yes
  done
  [ -n "$lit" ] || fail "$1: the system-menu button did not light up under the pointer"
  before=$(menus)
  xdotool click 1
  opened=""
  for _ in $(seq 1 50); do sleep 0.1; [ "$(menus)" -gt "$before" ] && { opened=yes; break; }; done
  [ -n "$opened" ] || fail "$1: a click on the system-menu button in the strip opened no menu"
  for _ in $(seq 1 20); do  # the down look, once the click's release is over too
    strip "$work/sys-open.png"
    button_look "$work/sys-open.png" "$work/sys-now.png"
    same_look "$work/sys-normal.png" "$work/sys-now.png" || same_look "$work/sys-hot.png" "$work/sys-now.png" ||
      { down=yes; break; }
    sleep 0.1
  done
  [ -n "$down" ] || fail "$1: the system-menu button is not drawn down while its menu is open"
}
comes_up() {  # what: waits for the button's normal look (the pointer is elsewhere)
  for _ in $(seq 1 30); do
    strip "$work/sys-closed.png"
    button_look "$work/sys-closed.png" "$work/sys-now.png"
    same_look "$work/sys-normal.png" "$work/sys-now.png" && return 0
    sleep 0.1
  done
  fail "$1: the system-menu button stayed down after its menu closed"
}
rolled_height() {  # waits for the window to be rolled up (lower than 306)
  for _ in $(seq 1 100); do
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "$HEIGHT" -lt 306 ] && return 0
    sleep 0.1
  done
  fail "Roll Up clicked in the button's menu: the window is still $HEIGHT high"
}
menu_from_button "the first click"
xdotool mousemove "$second_item_x" "$second_item_y" click 1
rolled_height
comes_up "Roll Up"
menu_from_button "rolled up"
xdotool mousemove "$second_item_x" "$second_item_y" click 1
wait_height 306 "Restore clicked in the button's menu"
comes_up "Restore"

xdotool mousemove "$close_sx" "$close_sy" click 1
expect_end "a click on the close button in the border's strip"
mkdir -p "$out/test-logs"
cp "$work/hot.png" "$out/test-logs/e2e-fullborder-strip.png"
echo "$e2e_name: passed"
