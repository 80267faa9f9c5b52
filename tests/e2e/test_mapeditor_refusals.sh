#!/usr/bin/env bash
# What the map editor refuses: Run Map on a never-saved map, time limits 0 and 10000, overwriting on Save as (No
# keeps the file), a test run whose game cannot start; cancelled Tile Mode leaves start mode; F2 saves at once.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/mapeditor_lib.sh"

make_workdir --copy-base
start_editor

# Run Map, then Cancel in the file dialog.
key F9
wait_pixel "$SIDE_X" 5 "$TITLE_BLUE" "the Save Map As dialog"
key Escape
wait_message
ok_message
[ -e "$WORK/base/savegames/mapeditor.sav" ] && fail "a game was started without a saved map"
[ -z "$(find "$WORK" -name '*.map' -newer "$WORK/kwui2.ini" -not -path '*/base/maps/*')" ] || fail "a map file was written"

# Time limits 0 and 10000 are out of range.
for limit in 0 10000; do
  press_at "$(toolbar_x "$TIME_LIMIT_BUTTON")" "$(toolbar_y)"
  fill_dialog "the time-limit dialog" 8 "$limit"
  wait_message
  ok_message
done

# Player start mode, then Tile Mode cancelled: a press on the map no longer moves the start point.
key p
key t
wait_pixel 0 $((LH + 70)) "$OUTLINE_GREEN" "the tile picker"
key Escape
wait_editor
press_at 600 300

save_new t2.map
dump_map t2.map
expect_fields "$WORK/t2.map.dump" timeLimit=90 startX=400 startY=256   # the start did not move in tile mode

# A new title; Save Map as onto t2.map asks, and No keeps the old file.
key d
fill_dialog "the title dialog" 12 Changed
wait_editor
save_as t2.map
wait_message
key Escape
wait_editor
map_title_is t2.map "New Map" || fail "t2.map was overwritten after No"

# Save Map (F2) writes to the map's own file at once.
key F2
wait_for "F2 to save the new title" 20 map_title_is t2.map Changed
editor_shown || fail "Save Map opened a dialog for a saved map"

# A game that cannot start ("No entries in maps list") is reported and the editor goes on.
rm "$WORK/base/game.ini"
key F9
wait_message
ok_message
[ -e "$WORK/base/savegames/mapeditor.sav" ] && fail "a level was started without a maps list"

leave_editor
pass
