#!/usr/bin/env bash
# The map editor's refusals and Save as, then a level made, saved under a name beyond ASCII, read back with the
# game's loader and played with Run Map (F9); player slots are kept, a game that cannot start is reported.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/mapeditor_lib.sh"

make_workdir
mkdir -p "$WORK/base/savegames"
printf 'player slot, not to be touched' > "$WORK/base/savegames/002.sav"
slots_before=$(cd "$WORK/base/savegames" && ls | sort | tr '\n' ' ')
slot_sum=$(md5sum < "$WORK/base/savegames/002.sav")
land=$(first_tile 0)

start_editor

# Run Map, then Cancel in the file dialog.
key F9
wait_file_dialog
key Escape
wait_message
ok_message
[ -e "$WORK/base/savegames/mapeditor.sav" ] && fail "a game was started without a saved map"
[ -z "$(find "$WORK" -name '*.map' -newer "$WORK/kwui2.ini" -not -path '*/base/maps/*')" ] || fail "a map file was written"

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
key a
choose_file t2.map
wait_message
key Escape
wait_editor
map_title_is t2.map "New Map" || fail "t2.map was overwritten after No"

# A level made on it: the Land tile with a 3 by 2 brush: two presses side by side paint columns 5-10, rows 4-5.
pick_tile "$land"
brush_size 3 2
press_at "$(cell_x 5)" "$(cell_y 4)"
press_at "$(cell_x 8)" "$(cell_y 4)"

# Title (D), time limit (the clock button), start point (P and a press).
key d
fill_dialog "the title dialog" 12 "Lawn Test"
wait_editor
press_at "$(toolbar_x "$TIME_LIMIT_BUTTON")" "$(toolbar_y)"
fill_dialog "the time-limit dialog" 8 120
wait_editor
key p
press_at 600 300
xdotool mousemove --window "$APP_WIN" "$(cell_x 12)" "$(cell_y 10)"
sleep 0.5

# (the name field used to drop such letters and write "Gre.map")
save_new 'Größe.map'
[ ! -e "$WORK/Gre.map" ] || fail "the name lost its letters"

# Run Map: saved without a dialog, played in test mode, won with the chord.
rm -f "$WORK/Größe.map"
key F9
wait_for "Größe.map saved again by Run Map" 20 test -s "$WORK/Größe.map"
wait_for "the test run's save file" 30 test -s "$WORK/base/savegames/mapeditor.sav"
sleep 1
xdotool mousemove --window "$APP_WIN" 400 300
editor_gone || fail "the game did not start"
xdotool keydown j q z
sleep 1
xdotool keyup j q z
# The level-complete picture waits for Space.
end=$((SECONDS + 30))
until editor_shown; do
  [ $SECONDS -ge $end ] && fail "the editor did not come back after the test run"
  key space
  sleep 0.5
done

slots_after=$(cd "$WORK/base/savegames" && ls | grep -v '^mapeditor.sav$' | sort | tr '\n' ' ')
[ "$slots_after" = "$slots_before" ] || fail "save slots changed: '$slots_before' became '$slots_after'"
[ "$(md5sum < "$WORK/base/savegames/002.sav")" = "$slot_sum" ] || fail "player slot 002.sav was rewritten"

# The game's loader reads back what was made.
dump_map 'Größe.map'
expect_fields "$WORK/Größe.map.dump" "title=Lawn Test" timeLimit=120 startX=600 startY=$((300 - LH - 50))
zeros5="0 0 0 0 0" land6="$land $land $land $land $land $land"
empty_row="$zeros5 $zeros5 $zeros5 $zeros5 $zeros5" painted_row="$zeros5 $land6 $zeros5 $zeros5 0 0 0 0"
expect_fields "$WORK/Größe.map.dump" "row00=$empty_row" "row03=$empty_row" "row04=$painted_row" "row05=$painted_row" \
  "row06=$empty_row" "row15=$empty_row"

# A game that cannot start ("No entries in maps list") is reported and the editor goes on.
rm "$WORK/base/game.ini" "$WORK/base/savegames/mapeditor.sav"
key F9
wait_message
ok_message
[ -e "$WORK/base/savegames/mapeditor.sav" ] && fail "a level was started without a maps list"

leave_editor
key Escape
pass
