#!/usr/bin/env bash
# Crash recovery in the tile editor: a painted pixel reaches recovery/sodbolt.til within seconds; after a SIGKILL the
# next Tile Editor asks to restore it, Yes shows the pixel with "*" in the title and F2 writes it into the tile set;
# No deletes the copy; a damaged copy is reported and removed, and the editor carries on.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/editor_lib.sh"
source "$(dirname "$0")/tileeditor_lib.sh"

tileed_workdir
COPY="$WORK/recovery/sodbolt.til"
LH=$(cd "$WORK" && "$BUILD_DIR/mapdump" --line-height) || fail "no line height from mapdump"
dump_tile "$TILES" 0 "$WORK/before.txt"
white="255 255 255"
[ "$(pixel_in "$WORK/before.txt" 10 10)" != "$white" ] || fail "pixel (10, 10) of tile 0 is white already"
[ "$(pixel_in "$WORK/before.txt" 12 10)" != "$white" ] || fail "pixel (12, 10) of tile 0 is white already"

copy_written() { [ -s "$COPY" ]; }
view_pixel() { shot; pix "$(cell_x "$1")" "$(cell_y "$2")"; }
# start_editor [READY]: the program, Tools, Tile Editor, until READY (the pixel view unless given).
start_editor() { start_from_tools 2; wait_for "the tile editor (${1:-editor_shown})" 30 "${1:-editor_shown}"; }

start_from_tools 2
wait_editor
plain=$(area_sum "$(title_area)")
unpainted=$(view_pixel 10 10)

# [Paint a white pixel; the copy follows within seconds; SIGKILL] -------------
press_at "$(cell_x 10)" "$(cell_y 10)"
xdotool mousemove --window "$APP_WIN" 790 595
wait_for "the recovery copy" 15 copy_written
starred=$(area_sum "$(title_area)")
[ "$starred" != "$plain" ] || fail "the title did not change with the unsaved pixel"
[ "$(view_pixel 10 10)" = "#FFFFFF" ] || fail "the pixel was not painted"
dump_tile "$TILES" 0 "$WORK/unsaved.txt"
cmp -s "$WORK/before.txt" "$WORK/unsaved.txt" || fail "the tile set itself was written"
kill_app

# [Yes: the pixel is back, unsaved; F2 writes it into the set] ---------------
start_editor message_shown
restore_yes
[ "$(view_pixel 10 10)" = "#FFFFFF" ] || fail "the restored set does not show the painted pixel"
save_with_f2
dump_tile "$TILES" 0 "$WORK/saved.txt"
expect_tile "$WORK/saved.txt" "10,10=$white" "12,10=$(pixel_in "$WORK/before.txt" 12 10)"
wait_for "the saved title without *" 10 area_equals "$(title_area)" "$plain"
wait_for "Save to remove the copy" 10 no_recovery_copy

# [No: the copy goes, the file stays] ----------------------------------------
press_at "$(cell_x 12)" "$(cell_y 10)"
xdotool mousemove --window "$APP_WIN" 790 595
wait_for "the second recovery copy" 15 copy_written
restart_and_refuse
[ "$(view_pixel 12 10)" != "#FFFFFF" ] || fail "No restored the pixel anyway"
dump_tile "$TILES" 0 "$WORK/after_no.txt"
cmp -s "$WORK/saved.txt" "$WORK/after_no.txt" || fail "No changed the tile set"

# [A damaged copy: a message, no crash, the copy removed] ---------------------
kill_app
head -c 5000 "$TILES" > "$COPY"
echo base/tiles/sodbolt.til > "$COPY.path"
touch -d '+1 minute' "$COPY"
start_editor message_shown
damaged_copy_reported
[ "$(view_pixel 12 10)" != "#FFFFFF" ] || fail "the damaged copy was loaded"
leave_editor
pass
