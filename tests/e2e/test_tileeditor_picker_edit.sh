#!/usr/bin/env bash
# The map editor's tile picker: Edit on tile 12 opens the tile editor there; a pixel painted and saved shows in the
# picker opened again.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

# the picker: light blue between the first row's last tile and the page slider,
# and no pixel view
picker_shown() { shot; [ "$(pix 770 100)" = "#81A2FF" ] && [ -z "$(view_top)" ]; }
# tile 12 is the thirteenth of the picker's first row (33 pixels a tile);
# y 100 lies inside the first row for any line height from 10 to 42
TILE12_X=$((12 * 33 + 1 + 16)); ROW0_Y=100

tileed_workdir
dump_tile "$TILES" 12 "$WORK/before12.txt"
[ "$(pixel_in "$WORK/before12.txt" 5 5)" != "255 255 255" ] || fail "tile 12 pixel 5 5 is white already"

start_from_tools 1
sleep 2
focus_app
key t
wait_for "the tile picker" 30 picker_shown
sleep 0.5

# [right button on tile 12, then Edit, the pop-up's second item] -------------
press_at $TILE12_X $ROW0_Y 3
sleep 0.5
screenshot "$WORK/picker-menu.png"
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
screenshot "$WORK/picker-after.png"
pass
