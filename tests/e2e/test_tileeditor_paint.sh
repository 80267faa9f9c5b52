#!/usr/bin/env bash
# Tile 5 reached through the picker, painted (clicks, a trail, a colour picked with the right button), its type and
# description changed, saved with F2: the tile set on disk holds exactly those changes. Then the map editor's tile
# picker: Edit on tile 12 opens the tile editor there; a pixel painted and saved shows in the picker opened again.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

# the picker: light blue between the first row's last tile and the page slider,
# and no pixel view
picker_shown() { shot; [ "$(pix 770 100)" = "#81A2FF" ] && [ -z "$(view_top)" ]; }
# tile 12 is the thirteenth of the picker's first row (33 pixels a tile);
# y 100 lies inside the first row for any line height from 10 to 42
TILE12_X=$((12 * 33 + 1 + 16)); ROW0_Y=100

tileed_workdir
for i in 4 5 6; do dump_tile "$TILES" $i "$WORK/before$i.txt"; done
picked=$(pixel_in "$WORK/before5.txt" 0 0)
dump_tile "$TILES" 12 "$WORK/before12.txt"
[ "$(pixel_in "$WORK/before12.txt" 5 5)" != "255 255 255" ] || fail "tile 12 pixel 5 5 is white already"

start_from_tools 2
wait_editor

# [Goto Tile: G opens the picker, a click on tile 5 jumps there] -------------
key g
wait_for "the tile picker" 30 editor_gone
sleep 0.5
# tile 5 sits sixth in the first row: 33 pixels a tile, 1 pixel in
press_at $((5 * 33 + 1 + 16)) $((TOP + 24))
wait_editor

# [paint] --------------------------------------------------------------------
press_at "$(cell_x 10)" "$(cell_y 10)"
press_at "$(cell_x 31)" "$(cell_y 31)"
press_at "$(cell_x 2)" "$(cell_y 3)"
# a trail along row 20, from pixel 0 to pixel 5, with the button held
xdotool mousemove --window "$APP_WIN" "$(cell_x 0)" "$(cell_y 20)"; sleep 0.15
xdotool mousedown 1; sleep 0.2
for x in 1 2 3 4 5; do xdotool mousemove --window "$APP_WIN" "$(cell_x $x)" "$(cell_y 20)"; sleep 0.2; done
xdotool mouseup 1; sleep 0.2
# right button: take the colour of pixel (0, 0) and paint it over (2, 3)
press_at "$(cell_x 0)" "$(cell_y 0)" 3
press_at "$(cell_x 2)" "$(cell_y 3)"

# [type and description] -----------------------------------------------------
focus_app
key y
key d
sleep 0.5
xdotool key --delay 30 --repeat 40 BackSpace; sleep 0.3
type_text "Garden Gnome"
key Return
wait_editor

save_with_f2
leave_editor
wait_for "the Tools menu after Exit and Yes" 20 menu_shown

# [the file on disk] ---------------------------------------------------------
dump_tile "$TILES" 5 "$WORK/after5.txt"
# painted white, (2, 3) the colour picked from (0, 0), (20, 10) unpainted
w="255 255 255"
expect_tile "$WORK/after5.txt" "10,10=$w" "31,31=$w" "0,20=$w" "1,20=$w" "2,20=$w" "3,20=$w" "4,20=$w" "5,20=$w" \
  "2,3=$picked" "20,10=$(pixel_in "$WORK/before5.txt" 20 10)" "description=Garden Gnome" \
  "type=$(next_type "$(field_in "$WORK/before5.txt" type)")"
for i in 4 6; do
  dump_tile "$TILES" $i "$WORK/after$i.txt"
  cmp -s "$WORK/before$i.txt" "$WORK/after$i.txt" || fail "tile $i changed"
done
quit_from_tools
start_from_tools 1
sleep 2
focus_app
key t
wait_for "the tile picker" 30 picker_shown
sleep 0.5

# [right button on tile 12, then Edit, the pop-up's second item] -------------
press_at $TILE12_X $ROW0_Y 3
sleep 0.5
press_at $((TILE12_X + 30)) $((ROW0_Y + 36 + 18))
wait_editor

# [paint pixel 5 5 white, save, leave] ---------------------------------------
press_at $((1 + SCALE * 5 + SCALE / 2)) $((TOP + SCALE * 5 + SCALE / 2))
save_with_f2
leave_editor
dump_tile "$TILES" 12 "$WORK/after12.txt"
[ "$(pixel_in "$WORK/after12.txt" 5 5)" = "255 255 255" ] || fail "the editor did not open on tile 12 of the set's file"

# [the picker again shows the saved pixel] -----------------------------------
sleep 1
focus_app
key t
wait_for "the tile picker again" 30 picker_shown
sleep 0.5
lh=$((TOP - 50))
shot
[ "$(pix $((12 * 33 + 1 + 5)) $((lh + 58 + 5)))" = "#FFFFFF" ] || fail "the picker does not show the saved pixel of tile 12"
pass
