#!/usr/bin/env bash
# The object browser (400 pictures of 32 x 32, two pages): a left click
# returns the picture's index, Escape returns -1, the pop-up menu offers Edit
# only when editing is allowed, and pages turn by key and wheel, wrapping.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

make_workdir
start_host browser

# Picture i of a page: 23 a row, 33 pixels apart, below the toolbar.
item_x() { echo $(( ($1 % 23) * 33 + 17 )); }
item_y() { echo $(( LINE_HEIGHT + 58 + ($1 / 23) * 33 + 16 )); }
open_browser() {
  key Return
  wait_pixel 400 590 "#81A2FF" "the browser's backdrop"
}

open_browser
press_at "$(item_x 30)" "$(item_y 30)"
wait_line "browser=30 edit=false"

open_browser
key Escape
wait_line "browser=-1 edit=false"
sleep 0.5
has_line "screen-escape" && fail "the Escape that cancelled reached the screen underneath"

# Without editing the menu is Select, Cancel: its second item cancels the menu only.
open_browser
x=$(item_x 12); y=$(item_y 12)
press_at "$x" "$y" 3
sleep 0.5
press_at $((x + 20)) $((y + 36 + 18))
sleep 1
[ "$(line_count '^browser=')" = 2 ] || fail "the menu's second item ended the browser without editing"
key Escape
wait_for "the second cancel" 15 test "$(line_count '^browser=-1 edit=false$')" = 2

# Escape closes only the pop-up menu; the browser stays for a left click.
open_browser
press_at "$x" "$y" 3
sleep 0.5
key Escape
sleep 0.5
press_at "$(item_x 40)" "$(item_y 40)"
wait_line "browser=40 edit=false"

# Page Down turns to page 2, whose first picture is number 345.
open_browser
key Next
sleep 0.3
press_at "$(item_x 0)" "$(item_y 0)"
wait_line "browser=345 edit=false"

# Page Up on page 1 wraps to the last page.
open_browser
key Prior
sleep 0.3
press_at "$(item_x 1)" "$(item_y 1)"
wait_line "browser=346 edit=false"

# The wheel turns pages too: down is the next page.
open_browser
xdotool click 5
sleep 0.5
press_at "$(item_x 2)" "$(item_y 2)"
wait_line "browser=347 edit=false"

quit_host

# With editing allowed the menu's second item is Edit.
rm -f "$HOST_LOG"
start_host browser-edit
open_browser
x=$(item_x 12); y=$(item_y 12)
press_at "$x" "$y" 3
sleep 0.5
press_at $((x + 20)) $((y + 36 + 18))
wait_line "browser=12 edit=true"

open_browser
press_at "$x" "$y" 3
sleep 0.5
press_at $((x + 20)) $((y + 18))
wait_line "browser=12 edit=false"
quit_host
pass
