#!/usr/bin/env bash
# The object browser (400 pictures of 32 x 32, two pages): a left click
# returns the picture's index, Escape returns -1, the pop-up menu offers Edit
# only when editing is allowed, and pages turn by key and wheel, wrapping.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

start_host browser

# Picture i of a page: 23 a row, 33 pixels apart, below the toolbar.
item_x() { echo $(( ($1 % 23) * 33 + 17 )); }
item_y() { echo $(( LINE_HEIGHT + 58 + ($1 / 23) * 33 + 16 )); }
# menu_at X Y: a right press there, then a wait until the pop-up menu has drawn below it; MENU_AREA and
# MENU_BEFORE say where it lies and what was there before. The area is taken once the hover (the picture's
# tooltip) has settled, and a press that a slow frame missed is given again.
menu_at() {
  MENU_AREA="120x80+$1+$2"
  xdotool mousemove --window "$APP_WIN" "$1" "$2"
  local previous="" tries
  MENU_BEFORE=""
  for tries in $(seq 30); do
    sleep 0.3
    MENU_BEFORE=$(area_sum "$MENU_AREA")
    [ "$MENU_BEFORE" = "$previous" ] && break
    previous=$MENU_BEFORE
  done
  for tries in 1 2 3; do
    press_at "$1" "$2" 3
    wait_until 5 area_differs "$MENU_AREA" "$MENU_BEFORE" && return 0
  done
  fail "the pop-up menu did not open"
}
# pop_up ITEM_DY: the browser opened, the pop-up menu of picture 12, a press ITEM_DY below the pointer.
pop_up() {
  open_screen "Object Browser"
  x=$(item_x 12); y=$(item_y 12)
  menu_at "$x" "$y"
  press_at $((x + 20)) $((y + $1))
}

open_screen "Object Browser"
press_at "$(item_x 30)" "$(item_y 30)"
wait_line "browser=30 edit=false"

open_screen "Object Browser"
key Escape
wait_line "browser=-1 edit=false"
sleep 0.5
has_line "screen-escape" && fail "the Escape that cancelled reached the screen underneath"

# Without editing the menu is Select, Cancel: its second item cancels the menu only.
pop_up $((36 + 18))
sleep 1
[ "$(line_count '^browser=')" = 2 ] || fail "the menu's second item ended the browser without editing"
key Escape
wait_for "the second cancel" 15 count_is '^browser=-1 edit=false$' 2

# Escape closes only the pop-up menu; the browser stays for a left click.
open_screen "Object Browser"
menu_at "$x" "$y"
key Escape
wait_for "the pop-up menu to close" 15 area_equals "$MENU_AREA" "$MENU_BEFORE"
press_at "$(item_x 40)" "$(item_y 40)"
wait_line "browser=40 edit=false"

# Page Down turns to page 2 (first picture 345), Page Up on page 1 wraps to it, and so does the wheel.
item=0
for turn in "key Next" "key Prior" "xdotool click 5"; do
  open_screen "Object Browser"
  $turn
  sleep 0.5
  press_at "$(item_x $item)" "$(item_y $item)"
  wait_line "browser=$((345 + item)) edit=false"
  item=$((item + 1))
done

quit_host

# With editing allowed the menu's second item is Edit.
rm -f "$HOST_LOG"
start_host browser-edit
pop_up $((36 + 18))
wait_line "browser=12 edit=true"
pop_up 18
wait_line "browser=12 edit=false"
quit_host
pass
