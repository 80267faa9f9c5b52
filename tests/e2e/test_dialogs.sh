#!/usr/bin/env bash
# The toolkit's dialogs on screen, each opened by tools/dialoghost (Enter opens the one it was started with, each
# answer is appended to dialoghost.txt); what closes a dialog never reaches the screen underneath.
source "$(dirname "$0")/lib.sh" "$@"

HOST_LOG="$WORK/dialoghost.txt"
LINE_HEIGHT=0
[ -x "$BUILD_DIR/dialoghost" ] || fail "dialoghost not built in '$BUILD_DIR'"
make_workdir

# start_host MODE [START PATH]: the host up and "ready" logged.
start_host() {
  rm -f "$HOST_LOG"
  launch "$BUILD_DIR/dialoghost" "$@"
  wait_window
  wait_for "the host to start" 20 grep -q '^ready' "$HOST_LOG"
  LINE_HEIGHT=$(sed -n 's/^ready lh=\([0-9]*\).*/\1/p' "$HOST_LOG" | head -n1)
  focus_app
}
# quit_host: Escape on the host screen itself ends it, with exit code 0.
quit_host() { key Escape; wait_line "screen-escape"; expect_exit 0; }
# open_dialog NAME: Enter, until the dialog's title bar (the object browser's backdrop) shows.
open_dialog() {
  local x=400 y colour="$TITLE_BLUE"
  case "$1" in
    "Edit Text String") x=200; y=25 ;;
    "Select Colour") x=300; y=105 ;;
    "Confirm") y=$(( (600 - 8 * LINE_HEIGHT) / 2 + 5 )) ;;
    "Open File") y=5 ;;
    "Object Browser") y=590; colour="#81A2FF" ;;
  esac
  key Return
  wait_for "the dialog '$1'" 15 pixel_is "$x" "$y" "$colour"
}

# escape_kept WHAT: the Escape that closed a dialog did not reach the host's screen as well.
escape_kept() { sleep 0.5; ! has_line "screen-escape" || fail "the Escape that $1 reached the screen underneath"; }
has_line() { grep -qx -- "$1" "$HOST_LOG"; }
wait_line() { wait_for "the answer '$1'" 15 has_line "$1"; }
line_count() { grep -c -- "$1" "$HOST_LOG" || true; }
count_is() { [ "$(line_count "$1")" = "$2" ]; }
# double_press_at X Y: two quick presses at one place, a double click.
double_press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.15
  xdotool mousedown 1; sleep 0.05; xdotool mouseup 1; sleep 0.08
  xdotool mousedown 1; sleep 0.05; xdotool mouseup 1; sleep 0.3
}

# [Text: a title of exactly 32 characters, the editors' limit, survives Ok whole; one rubbed out takes one back]
# (The number entry and the message box's list: unit tests; the message box's Enter: every editor test.)
start_host string
full="Castle Gardens of the Old Manor!"
open_dialog "Edit Text String"
key Return
wait_line "string=true length=32 value=$full"
open_dialog "Edit Text String"
key BackSpace
type_text "?!"
key Return
wait_line "string=true length=32 value=${full%!}?"
quit_host

# [Confirm: the opening Enter does not answer; Escape is No, Enter is Yes] ----
start_host confirm
open_dialog "Confirm"
sleep 1
[ "$(line_count '^confirm=')" = 0 ] || fail "the opening Enter answered the dialog"
key Escape
wait_line "confirm=false"
escape_kept "answered No"
wait_pixel 400 $(( (600 - 8 * LINE_HEIGHT) / 2 + 5 )) "#005A00" "the host screen (its green) again"
open_dialog "Confirm"
key Return
wait_line "confirm=true"
quit_host

# [Select Colour from 200, 120, 40: the preview follows the Red slider, Enter stores] -------------------------
start_host colour
red_y=$(( 100 + LINE_HEIGHT + 4 + 14 + 12 ))
preview_y=$(( 100 + LINE_HEIGHT + 4 + 14 + 3 * (24 + LINE_HEIGHT + 14) + 20 ))
open_dialog "Select Colour"
wait_pixel 400 "$preview_y" "#C87828" "the preview of the starting colour"
press_at 110 "$red_y"
wait_pixel 400 "$preview_y" "#007828" "the preview without red"
focus_app
key Return
wait_line "colour=true rgb=0,120,40"
quit_host

# [File dialog, "map" filter: double clicks enter sub/ and pick inner.map] -------------------------------------
mkdir -p "$WORK/maps/sub"
touch "$WORK/maps/a.map" "$WORK/maps/notes.txt" "$WORK/maps/sub/inner.map"
start_host file maps/
file_row_y() { echo $(( LINE_HEIGHT + 8 + $1 * (LINE_HEIGHT + 1) + LINE_HEIGHT / 2 )); }
open_dialog "Open File"   # "..", "sub/", "a.map"
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
quit_host

# [Object browser: a click picks, Escape -1, Edit only when allowed (its pages: unit tests)] -------------------
start_host browser
item_x() { echo $(( ($1 % 23) * 33 + 17 )); }
item_y() { echo $(( LINE_HEIGHT + 58 + ($1 / 23) * 33 + 16 )); }
# menu_at X Y: a right press there until the pop-up menu has drawn over the area (taken once the tool tip settled).
area_settled() { before=$(area_sum "$1"); sleep 0.3; area_equals "$1" "$before"; }
menu_at() {
  local area="120x80+$1+$2" before
  xdotool mousemove --window "$APP_WIN" "$1" "$2"
  wait_for "the tool tip to settle" 15 area_settled "$area"
  for _ in 1 2 3; do
    press_at "$1" "$2" 3
    wait_until 5 area_differs "$area" "$before" && return 0
  done
  fail "the pop-up menu did not open"
}
# pop_up ITEM_DY: the browser, picture 12's pop-up menu, a press ITEM_DY below it.
pop_up() {
  open_dialog "Object Browser"
  x=$(item_x 12); y=$(item_y 12)
  menu_at "$x" "$y"
  press_at $((x + 20)) $((y + $1))
}
open_dialog "Object Browser"
press_at "$(item_x 30)" "$(item_y 30)"
wait_line "browser=30 edit=false"
open_dialog "Object Browser"
key Escape
wait_line "browser=-1 edit=false"
escape_kept "cancelled the browser"
# Without editing the menu is Select, Cancel: its second item cancels the menu only.
pop_up $((36 + 18))
sleep 1
[ "$(line_count '^browser=')" = 2 ] || fail "the menu's second item ended the browser without editing"
key Escape
wait_for "the second cancel" 15 count_is '^browser=-1 edit=false$' 2
quit_host
# With editing allowed the menu's second item is Edit.
start_host browser-edit
pop_up $((36 + 18))
wait_line "browser=12 edit=true"
quit_host
pass
