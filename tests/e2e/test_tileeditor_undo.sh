#!/usr/bin/env bash
# Undo and redo in the tile editor: a painted stroke goes and comes back with Ctrl+Z and Ctrl+Y in one step; a flood
# fill stops at a painted line (drawn with one fast move of the pointer) and undoes from another tile (the view goes
# back to it); the mouse wheel zooms the view one step a click but not over the toolbar; Ctrl+G lays a grid over the
# pixels; the saved set holds exactly what was left after undoing.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

hex() { printf '#%02X%02X%02X' $1 $2 $3; }
# cell_is X Y COLOUR: tile pixel (X, Y) of the view has that colour
cell_is() { shot; [ "$(pix "$(cell_x "$1")" "$(cell_y "$2")")" = "$3" ]; }
wait_cell() { wait_for "tile pixel $1,$2 to be $3 ($4)" 20 cell_is "$1" "$2" "$3"; }
# the view's right outline sits at 32 x scale + 1
outline_at() { shot; [ "$(pix $((32 * $1 + 1)) $((TOP + 10)))" = "#FFFF00" ]; }
wheel() { xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.2; xdotool click --repeat "$4" --delay 150 "$3"; sleep 0.3; }
# stroke COLOUR X,Y...: the left button held down through those tile pixels; each move waits until its pixel shows
# the colour (a frame paints one pixel under the pointer, so a busy machine would leave gaps)
stroke() {
  local colour="$1" at; shift
  xdotool mousemove --window "$APP_WIN" "$(cell_x "${1%,*}")" "$(cell_y "${1#*,}")"; sleep 0.15
  xdotool mousedown 1
  for at in "$@"; do
    xdotool mousemove --window "$APP_WIN" "$(cell_x "${at%,*}")" "$(cell_y "${at#*,}")"
    wait_cell "${at%,*}" "${at#*,}" "$colour" "the stroke through $at"
  done
  xdotool mouseup 1; sleep 0.2
}

tileed_workdir
for i in 0 2; do dump_tile "$TILES" $i "$WORK/before$i.txt"; done
W=$(hex 255 255 255)
# the colour the right button picks from tile 0's top-left pixel, for the line
read -r r g b <<<"$(pixel_in "$WORK/before0.txt" 0 0)"
P=$(hex "$r" "$g" "$b")
[ "$P" != "$W" ] || fail "tile 0 of the content pack starts with a white pixel; the test needs another colour"
was=$(hex $(pixel_in "$WORK/before0.txt" 3 10))

start_from_tools 2
wait_editor

# [a stroke, undone and redone as one step] ----------------------------------
stroke "$W" 0,10 1,10 2,10 3,10 4,10 5,10
focus_app
key ctrl+z
wait_cell 3 10 "$was" "Ctrl+Z after the stroke"
cell_is 0 10 "$(hex $(pixel_in "$WORK/before0.txt" 0 10))" || fail "Ctrl+Z left the stroke's first pixel"
cell_is 5 10 "$(hex $(pixel_in "$WORK/before0.txt" 5 10))" || fail "Ctrl+Z left the stroke's last pixel"
key ctrl+y
wait_cell 0 10 "$W" "Ctrl+Y"
cell_is 5 10 "$W" || fail "Ctrl+Y did not bring the whole stroke back"
key ctrl+z
wait_cell 3 10 "$was" "the second Ctrl+Z"

# [flood fill: tile 2 white, a line of tile 0's top-left colour down column 10] -
focus_app
key Right Right
press_at 780 $((TOP + 100)) 3                # the swatch: fill the tile with the current colour (white)?
wait_for "the fill question" 20 editor_gone
key Return
wait_editor
wait_cell 20 20 "$W" "tile 2 filled white"
focus_app
key Left Left
press_at "$(cell_x 0)" "$(cell_y 0)" 3       # pick the colour of tile 0's (0, 0)
focus_app
key Right Right
wait_cell 5 5 "$W" "tile 2 shown again"
# down column 10 in one move of the pointer: the stroke fills in the line between, or the fill below leaks
stroke "$P" 10,0 10,31
for y in 1 9 16 30; do cell_is 10 $y "$P" || fail "a fast stroke left a gap at 10,$y"; done
focus_app
key b
press_at "$(cell_x 20)" "$(cell_y 20)"
wait_cell 20 20 "$P" "the flood fill right of the line"
cell_is 31 0 "$P" || fail "the flood fill missed a corner of its area"
cell_is 5 5 "$W" || fail "the flood fill crossed the line"
# the fill undone from tile 3: the view goes back to tile 2
key Right
key ctrl+z
wait_cell 20 20 "$W" "Ctrl+Z of the fill from tile 3"
cell_is 10 5 "$P" || fail "undoing the fill did not show tile 2 (or took the line too)"
key ctrl+y
wait_cell 20 20 "$P" "Ctrl+Y of the fill"
key ctrl+z
wait_cell 20 20 "$W" "the fill undone again"
key b                                         # the fill tool off: a click paints again

# [wheel zoom: one step a click, nothing over the toolbar] -------------------
wheel "$(cell_x 8)" "$(cell_y 8)" 5 2
wait_for "two wheel clicks down to zoom out to 12" 20 outline_at 12
wheel "$(cell_x 4)" "$(cell_y 4)" 4 3
wait_for "three wheel clicks up to zoom in to 15" 20 outline_at 15
wheel 300 $((TOP - 30)) 5 3                   # over the toolbar
sleep 0.5
outline_at 15 || fail "the wheel zoomed while turned over the toolbar"
wheel "$(cell_x 4)" "$(cell_y 4)" 5 1
wait_for "back to scale 14" 20 outline_at 14

# [grid] -----------------------------------------------------------------------
shot
[ "$(pix 14 $((TOP + 5)))" = "#81A2FF" ] || fail "the gap between pixels is not background colour without the grid"
focus_app
key ctrl+g
grid_shown() { shot; [ "$(pix 14 $((TOP + 5)))" = "#303030" ] && [ "$(pix 5 $((TOP + 13)))" = "#303030" ]; }
wait_for "Ctrl+G to draw grid lines" 20 grid_shown
key ctrl+g

# [save: the undone changes are not in the file] -----------------------------
save_with_f2
leave_editor
wait_for "the Tools menu after Exit and Yes" 20 menu_shown

dump_tile "$TILES" 0 "$WORK/after0.txt"
cmp -s "$WORK/before0.txt" "$WORK/after0.txt" || fail "tile 0 on disk differs although its stroke was undone"
dump_tile "$TILES" 2 "$WORK/after2.txt"
w="255 255 255"; p="$r $g $b"
expect_tile "$WORK/after2.txt" "10,0=$p" "10,31=$p" "20,20=$w" "31,0=$w" "5,5=$w" \
  "description=$(field_in "$WORK/before2.txt" description)" "type=$(field_in "$WORK/before2.txt" type)"
pass
