#!/usr/bin/env bash
# Tile 5 reached through the picker, painted (clicks, a trail, a colour picked with the right button), its type and
# description changed, saved with F2: the tile set on disk holds exactly those changes.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

tileed_workdir
for i in 4 5 6; do dump_tile "$TILES" $i "$WORK/before$i.txt"; done
picked=$(pixel_in "$WORK/before5.txt" 0 0)

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
screenshot "$WORK/painted.png"

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
pass
