#!/usr/bin/env bash
# The file dialog with the "map" filter: a double click enters a folder and a
# double click on a file returns its full path; a typed "level5" comes back
# as "level5.map"; Escape cancels and leaves the caller's path alone.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

mkdir -p "$WORK/maps/sub"
echo x > "$WORK/maps/a.map"
echo x > "$WORK/maps/notes.txt"
echo x > "$WORK/maps/sub/inner.map"
start_host file maps/

# On 800 x 600 the panel fills the window; rows are a line and a pixel high.
row_y() { echo $(( LINE_HEIGHT + 8 + $1 * (LINE_HEIGHT + 1) + LINE_HEIGHT / 2 )); }

# maps/ lists "..", "sub/", "a.map" (notes.txt is filtered out).
open_screen "Open File"
screenshot "$WORK/file_dialog.png"
# A double click that a busy frame split into two single clicks is given again, until its effect shows.
# The title names the folder shown; a single click only moves the selection.
TITLE_AREA=780x$((LINE_HEIGHT - 4))+2+2
title_before=$(area_sum "$TITLE_AREA")
entered_sub() { area_differs "$TITLE_AREA" "$title_before"; }
for _ in 1 2 3 4; do
  double_press_at 100 "$(row_y 1)"
  wait_until 5 entered_sub && break
done
wait_for "the list of maps/sub/" 15 entered_sub
sleep 0.3
# sub/ lists "..", "inner.map".
for _ in 1 2 3 4; do
  double_press_at 100 "$(row_y 1)"
  wait_until 5 has_line "file=true path=$WORK/maps/sub/inner.map" && break
done
wait_line "file=true path=$WORK/maps/sub/inner.map"

# Opened again at the chosen file: clear the name field and type a new name.
open_screen "Open File"
xdotool key --delay 20 --repeat 120 BackSpace
sleep 2.5
type_text "level5"
key Return
wait_line "file=true path=level5.map"

open_screen "Open File"
key Escape
wait_line "file=false path=level5.map"
sleep 0.5
has_line "screen-escape" && fail "the Escape that cancelled reached the screen underneath"

quit_host
pass
