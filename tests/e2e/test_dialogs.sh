#!/usr/bin/env bash
# The toolkit's dialogs on screen, each opened by tools/dialoghost; what closes a dialog never reaches the screen
# underneath.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

# [Text: a title of exactly 32 characters, the editors' limit, survives Ok whole; one rubbed out takes one back]
start_host string
full="Castle Gardens of the Old Manor!"
open_screen "Edit Text String"
key Return
wait_line "string=true length=32 value=$full"
open_screen "Edit Text String"
key BackSpace
type_text "?!"
key Return
wait_line "string=true length=32 value=${full%!}?"
quit_host

# [Number entry, 1 to 100 from 50: 42 is stored; Escape cancels (out of range: unit tests)] ------------------
start_host number
open_screen "Edit Text String"
key BackSpace BackSpace
type_text "42"
key Return
wait_line "number=true value=42"
open_screen "Edit Text String"
type_text "7"
key Escape
wait_line "number=false value=42"
escape_kept "cancelled the number"
quit_host

# [Confirm: the opening Enter does not answer; Escape is No, Enter is Yes] ----
start_host confirm
open_screen "Confirm"
sleep 1
[ "$(line_count '^confirm=')" = 0 ] || fail "the opening Enter answered the dialog"
key Escape
wait_line "confirm=false"
escape_kept "answered No"
wait_pixel 400 $(( (600 - 8 * LINE_HEIGHT) / 2 + 5 )) "$HOST_GREEN" "the host screen again"
open_screen "Confirm"
key Return
wait_line "confirm=true"
quit_host

# [Message: 41 lines scroll in the 4-row list by keys and wheel; Enter closes] -
start_host message
panel_y=$(( (600 - 8 * LINE_HEIGHT) / 2 ))
list_y=$(( panel_y + LINE_HEIGHT * 3 / 2 ))
grab_list() { import -window "$APP_WIN" -crop "500x$(( 4 * (LINE_HEIGHT + 1) ))+85+${list_y}" +repage "$1" 2>/dev/null; }
same_image() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" = 0 ]; }
open_screen "Message"
sleep 0.3
grab_list "$WORK/top.png"
key Down Down Down Down Down Down
sleep 0.5
grab_list "$WORK/down.png"
same_image "$WORK/top.png" "$WORK/down.png" && fail "the arrow keys did not scroll the message"
xdotool mousemove --window "$APP_WIN" 300 $((list_y + 20))
sleep 0.2
xdotool click --repeat 10 --delay 50 4
sleep 0.5
grab_list "$WORK/back.png"
same_image "$WORK/top.png" "$WORK/back.png" || fail "the wheel did not scroll the message back to its top"
key Return
wait_line "message closed"
sleep 0.5   # had the closing Enter reached the host, the message would be open again
wait_pixel 400 $((panel_y + 5)) "$HOST_GREEN" "the host screen again"
quit_host

# [Select Colour from 200, 120, 40: the preview follows the Red slider; Escape keeps, Enter stores] -----------
start_host colour
red_y=$(( 100 + LINE_HEIGHT + 4 + 14 + 12 ))
preview_y=$(( 100 + LINE_HEIGHT + 4 + 14 + 3 * (24 + LINE_HEIGHT + 14) + 20 ))
open_screen "Select Colour"
wait_pixel 400 "$preview_y" "#C87828" "the preview of the starting colour"
press_at 110 "$red_y"
wait_pixel 400 "$preview_y" "#007828" "the preview without red"
focus_app
key Escape
wait_line "colour=false rgb=200,120,40"
open_screen "Select Colour"
press_at 110 "$red_y"
focus_app
key Return
wait_line "colour=true rgb=0,120,40"
quit_host

# [File dialog, "map" filter: double clicks enter sub/ and pick inner.map; "level5" comes back as level5.map] --
mkdir -p "$WORK/maps/sub"
touch "$WORK/maps/a.map" "$WORK/maps/notes.txt" "$WORK/maps/sub/inner.map"
start_host file maps/
file_row_y() { echo $(( LINE_HEIGHT + 8 + $1 * (LINE_HEIGHT + 1) + LINE_HEIGHT / 2 )); }
open_screen "Open File"   # "..", "sub/", "a.map"
# A double click that a busy frame split into two single clicks is given again; the title names the folder.
TITLE_AREA=780x$((LINE_HEIGHT - 4))+2+2
title_before=$(area_sum "$TITLE_AREA")
entered_sub() { area_differs "$TITLE_AREA" "$title_before"; }
for _ in 1 2 3 4; do
  double_press_at 100 "$(file_row_y 1)"
  wait_until 5 entered_sub && break
done
wait_for "the list of maps/sub/" 15 entered_sub
sleep 0.3
for _ in 1 2 3 4; do
  double_press_at 100 "$(file_row_y 1)"
  wait_until 5 has_line "file=true path=$WORK/maps/sub/inner.map" && break
done
wait_line "file=true path=$WORK/maps/sub/inner.map"
open_screen "Open File"
xdotool key --delay 20 --repeat 120 BackSpace
sleep 2.5
type_text "level5"
key Return
wait_line "file=true path=level5.map"
open_screen "Open File"
key Escape
wait_line "file=false path=level5.map"
escape_kept "cancelled the file dialog"
quit_host

# [Object browser, 400 pictures on two pages: a click picks, Escape -1, Edit only when allowed, pages wrap] ----
start_host browser
item_x() { echo $(( ($1 % 23) * 33 + 17 )); }
item_y() { echo $(( LINE_HEIGHT + 58 + ($1 / 23) * 33 + 16 )); }
# menu_at X Y: a right press there until the pop-up menu has drawn over MENU_AREA (MENU_BEFORE, taken once the
# tool tip has settled).
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
# pop_up ITEM_DY: the browser, picture 12's pop-up menu, a press ITEM_DY below it.
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
escape_kept "cancelled the browser"
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
# Page Down turns to page 2 (first picture 345); the wheel does the same (wrapping round: unit tests).
item=0
for turn in "key Next" "xdotool click 5"; do
  open_screen "Object Browser"
  $turn
  sleep 0.5
  press_at "$(item_x $item)" "$(item_y $item)"
  wait_line "browser=$((345 + item)) edit=false"
  item=$((item + 1))
done
quit_host
# With editing allowed the menu's second item is Edit.
start_host browser-edit
pop_up $((36 + 18))
wait_line "browser=12 edit=true"
pop_up 18
wait_line "browser=12 edit=false"
quit_host
pass
