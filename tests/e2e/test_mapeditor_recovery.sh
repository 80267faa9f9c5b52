#!/usr/bin/env bash
# Crash recovery in the map editor: a painted cell reaches recovery/level03.map within seconds; after a SIGKILL the
# next Map Editor asks to restore it, Yes shows the cell with "*" in the title and F2 writes it to level03.map; No
# deletes the copy; a damaged copy is reported and removed, and the editor carries on.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/mapeditor_lib.sh"

make_workdir --copy-base
land=$(first_tile 0)
COPY="$WORK/recovery/level03.map"

cell_sum() { area_sum "30x30+$((32 * $1 + 1))+$((LH + 50 + 32 * $2 + 1))"; }
copy_written() { [ -s "$COPY" ]; }
row04() { dump_field level03.map row04; }

start_editor
save_new level03.map
plain=$(area_sum "$(title_area)")

# [Paint a Land cell; the copy follows within seconds; SIGKILL] ---------------
pick_tile "$land"
press_at "$(cell_x 5)" "$(cell_y 4)"
xdotool mousemove --window "$APP_WIN" 790 595
wait_for "the recovery copy" 15 copy_written
starred=$(area_sum "$(title_area)")
[ "$starred" != "$plain" ] || fail "the title did not change with the unsaved cell"
painted=$(cell_sum 5 4)
[ "$(dump_field level03.map row04)" = "$(dump_field level03.map row03)" ] || fail "the document itself was written"
kill_app

# [Yes: the cell is back, unsaved; F2 writes it to level03.map] --------------
start_editor message_shown
restore_yes
[ "$(cell_sum 5 4)" = "$painted" ] || fail "the restored map does not show the painted cell"
key F2
wait_for "F2 to write the cell to level03.map" 20 eval '[ "$(row04 | cut -d" " -f6)" = "$land" ]'
wait_for "the saved title without *" 10 area_equals "$(title_area)" "$plain"
wait_for "Save to remove the copy" 10 no_recovery_copy

# [No: the copy goes, the file stays] ----------------------------------------
saved_row=$(row04)
press_at "$(cell_x 5)" "$(cell_y 4)" 3   # right button: pick the Land tile
press_at "$(cell_x 7)" "$(cell_y 4)"
xdotool mousemove --window "$APP_WIN" 790 595
wait_for "the second recovery copy" 15 copy_written
restart_and_refuse
[ "$(row04)" = "$saved_row" ] || fail "No changed level03.map"
[ "$(cell_sum 7 4)" != "$painted" ] || fail "No restored the cell anyway"

# [A damaged copy: a message, no crash, the copy removed] ---------------------
kill_app
printf 'Sodbolt map, cut short' > "$COPY"
echo level03.map > "$COPY.path"
touch -d '+1 minute' "$COPY"
start_editor message_shown
damaged_copy_reported
[ "$(row04)" = "$saved_row" ] || fail "the damaged copy reached level03.map"
leave_editor
pass
