#!/usr/bin/env bash
# The map editor's undo and redo of a click, the grid, Check Map marking a walled-off grass cell, Run Map asking
# before running such a map; saved files hold the undone state. (Strokes and fills in one step: unit tests.)
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/mapeditor_lib.sh"

make_workdir
solid=$(first_tile 2)
[ "$(first_tile 1)" = 0 ] || fail "tile 0 (a new map's cells) is not Grass"

start_editor

# The pointer off the map (over the status line), so neither brush preview nor cursor hides a cell.
pointer_off() { xdotool mousemove --window "$APP_WIN" 790 595; sleep 0.4; }
cell_pixel() { pixel "$(cell_x "$1")" "$(cell_y "$2")"; }
wait_cell() { wait_for "cell $1,$2 to show $3 ($4)" 20 eval '[ "$(cell_pixel '"$1 $2"')" = "'"$3"'" ]'; }

# A 3 by 3 wall of Solid round (6, 6), then (6, 6) grass again (a pick from a grass cell): walled-off grass.
pointer_off
grass_px=$(cell_pixel 20 2)
pick_tile "$solid"
brush_size 3 3
press_at "$(cell_x 5)" "$(cell_y 5)"
brush_size 1 1
press_at "$(cell_x 20)" "$(cell_y 2)" 3
press_at "$(cell_x 6)" "$(cell_y 6)"
pointer_off
solid_px=$(cell_pixel 5 5)
[ "$solid_px" != "$grass_px" ] || fail "Solid and Grass tiles look alike at their centres"
[ "$(cell_pixel 6 6)" = "$grass_px" ] || fail "the grass cell inside the wall was not painted"

key ctrl+z
wait_cell 6 6 "$solid_px" "Ctrl+Z takes the grass back"
[ "$(cell_pixel 5 5)" = "$solid_px" ] || fail "Ctrl+Z undid more than the last click"
key ctrl+y
wait_cell 6 6 "$grass_px" "Ctrl+Y brings it again"

# The grid: a dark line between columns 20 and 21, gone again with the second G.
line_x=$((32 * 21)) line_y=$(( $(cell_y 2) + 5 ))
before=$(pixel $line_x $line_y)
key g
wait_for "the grid line at $line_x,$line_y" 20 pixel_not $line_x $line_y "$before"
key g
wait_pixel $line_x $line_y "$before" "the grid switched off"

# Check Map (K): one grass cell out of reach, marked in red (the report's texts and the mark's end: unit tests).
key k
ok_message
pointer_off
mark_x=$((32 * 6 + 3)) mark_y=$((LH + 50 + 32 * 6 + 3))
pixel_is $mark_x $mark_y "#FF0000" || fail "the unreachable cell is not marked"

# Run Map asks first; No runs nothing and asks for no file name.
key F9
wait_message
key Escape
wait_editor
sleep 0.5
editor_shown || fail "Run Map went on to save after No"
[ -e "$WORK/base/savegames/mapeditor.sav" ] && fail "Run Map started the game after No"

# Saved after the undone drag: the wall with its grass, row 10 untouched.
save_new u.map
dump_map u.map
z5="0 0 0 0 0" s3="$solid $solid $solid"
expect_fields "$WORK/u.map.dump" "row05=$z5 $s3 $z5 $z5 $z5 0 0" "row06=$z5 $solid 0 $solid $z5 $z5 $z5 0 0" \
  "row10=$z5 $z5 $z5 $z5 $z5"

# Undo after the save, F2: the file follows.
key ctrl+z
wait_cell 6 6 "$solid_px" "Ctrl+Z after the save"
key F2
wait_for "F2 to save the undone cell" 20 \
  bash -c "cd '$WORK' && '$MAPDUMP' u.map | grep -qx 'row06=$z5 $s3 $z5 $z5 $z5 0 0'"

leave_editor
key Escape
pass
