#!/usr/bin/env bash
# The tile editor's painting, undo, flood fill, grid, Goto Tile, type and description, saved with F2; then Edit in
# the map editor's tile picker opens the tile editor on that tile. (The editors' wheel zoom: test_spriteeditor_frames.)
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

# stroke COLOUR X,Y...: the button held through those tile pixels, each move waiting for its pixel.
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

picker_shown() { pixel_is 770 100 "$LIGHT_BLUE" && [ -z "$(view_top)" ]; }
TILE12_X=$((12 * 33 + 1 + 16)); ROW0_Y=100

tileed_workdir
for i in 0 2; do dump_tile "$TILES" $i "$WORK/before$i.txt"; done
read -r r g b <<<"$(pixel_in "$WORK/before0.txt" 0 0)"
P=$(hex "$r" "$g" "$b")
[ "$P" != "$WHITE" ] || fail "tile 0 of the content pack starts with a white pixel; the test needs another colour"
was=$(hex $(pixel_in "$WORK/before0.txt" 3 10))
dump_tile "$TILES" 5 "$WORK/before5.txt"
dump_tile "$TILES" 12 "$WORK/before12.txt"
[ "$(pixel_in "$WORK/before12.txt" 5 5)" != "255 255 255" ] || fail "tile 12 pixel 5 5 is white already"

start_editor

# [a stroke, undone and redone as one step] ----------------------------------
stroke "$WHITE" 0,10 1,10 2,10 3,10 4,10 5,10
focus_app
key ctrl+z
wait_cell 3 10 "$was" "Ctrl+Z after the stroke"
cell_is 5 10 "$(hex $(pixel_in "$WORK/before0.txt" 5 10))" || fail "Ctrl+Z left the stroke's last pixel"
key ctrl+y
wait_cell 0 10 "$WHITE" "Ctrl+Y"
cell_is 5 10 "$WHITE" || fail "Ctrl+Y did not bring the whole stroke back"
key ctrl+z
wait_cell 3 10 "$was" "the second Ctrl+Z"

# [flood fill: tile 2 white, a line of tile 0's top-left colour down column 10] -
focus_app
key Right Right
press_at 780 $((TOP + 100)) 3                # the swatch: fill the tile with the current colour (white)?
wait_for "the fill question" 20 editor_gone
key Return
wait_editor
wait_cell 20 20 "$WHITE" "tile 2 filled white"
focus_app
key Left Left
press_at "$(cell_x 0)" "$(cell_y 0)" 3       # pick the colour of tile 0's (0, 0)
focus_app
key Right Right
wait_cell 5 5 "$WHITE" "tile 2 shown again"
# down column 10 in one move of the pointer: the stroke fills in the line between, or the fill below leaks
stroke "$P" 10,0 10,31
for y in 1 9 16 30; do cell_is 10 $y "$P" || fail "a fast stroke left a gap at 10,$y"; done
focus_app
key b
press_at "$(cell_x 20)" "$(cell_y 20)"
wait_cell 20 20 "$P" "the flood fill right of the line"
cell_is 31 0 "$P" || fail "the flood fill missed a corner of its area"
cell_is 5 5 "$WHITE" || fail "the flood fill crossed the line"
# the fill undone from tile 3: the view goes back to tile 2
key Right
key ctrl+z
wait_cell 20 20 "$WHITE" "Ctrl+Z of the fill from tile 3"
cell_is 10 5 "$P" || fail "undoing the fill did not show tile 2 (or took the line too)"
key b                                         # the fill tool off: a click paints again

# [grid] -----------------------------------------------------------------------
pixel_is 14 $((TOP + 5)) "$LIGHT_BLUE" || fail "the gap between pixels is not background colour without the grid"
focus_app
key ctrl+g
grid_shown() { shot && [ "$(px 14 $((TOP + 5)))" = "#303030" ] && [ "$(px 5 $((TOP + 13)))" = "#303030" ]; }
wait_for "Ctrl+G to draw grid lines" 20 grid_shown
key ctrl+g

# [Goto Tile: G opens the picker, a click on tile 5 jumps there] -------------
key g
wait_for "the tile picker" 30 editor_gone
sleep 0.5
press_at $((5 * 33 + 1 + 16)) $((TOP + 24))
wait_editor

# [paint in the colour picked above; type and description] -------------------
press_at "$(cell_x 10)" "$(cell_y 10)"
press_at "$(cell_x 31)" "$(cell_y 31)"
focus_app
key y
key d
fill_dialog "the description dialog" 40 "Garden Gnome"
wait_editor

save_with_f2 "$TILES"
leave_editor
wait_for "the Tools menu after Exit and Yes" 20 menu_drawn

# [the file on disk: the undone stroke is not in it] -------------------------
dump_tile "$TILES" 0 "$WORK/after0.txt"
cmp -s "$WORK/before0.txt" "$WORK/after0.txt" || fail "tile 0 on disk differs although its stroke was undone"
dump_tile "$TILES" 2 "$WORK/after2.txt"
w="255 255 255"; p="$r $g $b"
expect_fields "$WORK/after2.txt" "10,0=$p" "10,31=$p" "20,20=$w" "31,0=$w" "5,5=$w" \
  "description=$(field_in "$WORK/before2.txt" description)" "type=$(field_in "$WORK/before2.txt" type)"
dump_tile "$TILES" 5 "$WORK/after5.txt"
expect_fields "$WORK/after5.txt" "10,10=$p" "31,31=$p" "20,10=$(pixel_in "$WORK/before5.txt" 20 10)" "description=Garden Gnome" \
  "type=$(next_type "$(field_in "$WORK/before5.txt" type)")"
key Up Return   # the Map Editor
wait_for "the map editor" 30 pixel_is 798 599 "$LIGHT_BLUE"
focus_app
key t
wait_for "the tile picker" 30 picker_shown
sleep 0.5

# [right button on tile 12, then Edit, the pop-up's second item] -------------
press_at $TILE12_X $ROW0_Y 3
sleep 0.5
press_at $((TILE12_X + 30)) $((ROW0_Y + 36 + 18))
wait_editor

press_at $((1 + SCALE * 5 + SCALE / 2)) $((TOP + SCALE * 5 + SCALE / 2))
save_with_f2 "$TILES"
leave_editor
dump_tile "$TILES" 12 "$WORK/after12.txt"
[ "$(pixel_in "$WORK/after12.txt" 5 5)" = "255 255 255" ] || fail "the editor did not open on tile 12 of the set's file"

# [the picker again shows the saved pixel] -----------------------------------
sleep 1
focus_app
key t
wait_for "the tile picker again" 30 picker_shown
sleep 0.5
pixel_is $((12 * 33 + 1 + 5)) $((TOP - 50 + 58 + 5)) "$WHITE" || fail "the picker does not show the saved pixel of tile 12"
pass
