#!/usr/bin/env bash
# The tile editor's files: loading a map as a tile set, importing a version 5 Zentor set and saving into a missing
# folder are refused, and the editor still edits the same file at the same tile afterwards; Save as over a file
# asks (No keeps, Yes writes); a version 6 Zentor set is imported and F2 writes it in the current format, its
# folder remembered; Rotate, Flip and Mirror turn tiles.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

tileed_workdir
mkdir -p "$WORK/legacy"
tileed_helper WriteZentorTileset TILEED_ZENTOR_OUT="$WORK/legacy/old.til"
[ "$(stat -c %s "$WORK/legacy/old.til")" = 866340 ] || fail "the generated Zentor file has the wrong size"
tileed_helper WriteZentorTileset TILEED_ZENTOR_OUT="$WORK/v5.til" TILEED_ZENTOR_VERSION=5
MAPFILE=$(ls "$WORK"/base/maps/*.map | head -n1)
cp "$TILES" "$WORK/copy.til"
for i in 0 3; do dump_tile "$TILES" $i "$WORK/before$i.txt"; done
type_before=$(field_in "$WORK/before3.txt" type)

start_from_tools 2
wait_editor
focus_app
key Right Right Right

# [three refusals, each answered with OK] ------------------------------------
key F3
choose_file "$MAPFILE"
sleep 1.5
key Return
wait_editor

press_zentor_button
choose_file "$WORK/v5.til"
sleep 1.5
key Return
wait_editor

focus_app
key a
choose_file "$WORK/missing/new.til"
sleep 1.5
key Return
wait_editor
[ ! -e "$WORK/missing" ] || fail "saving into a missing folder made something"

# [still tile 3 of the game's tile set] --------------------------------------
press_at "$(cell_x 7)" "$(cell_y 7)"
save_with_f2
for i in 0 3; do dump_tile "$TILES" $i "$WORK/after$i.txt"; done
# still on tile 3 of the same set after the refusals, unchanged where nothing was painted
expect_tile "$WORK/after3.txt" "7,7=255 255 255" "20,20=$(pixel_in "$WORK/before3.txt" 20 20)"
cmp -s "$WORK/before0.txt" "$WORK/after0.txt" || fail "a refused load or import changed tile 0"

# [Save as over an existing file: No keeps it, Yes writes it] ----------------
key y
key a
choose_file "$WORK/copy.til"
sleep 1
editor_shown && fail "Save as over an existing file did not ask"
untouched=$(stamp "$WORK/copy.til")
key Escape
wait_editor
sleep 0.5
[ "$(stamp "$WORK/copy.til")" = "$untouched" ] || fail "answering No still wrote the file"
key a
choose_file "$WORK/copy.til"
sleep 0.5
key Return
wait_editor
written() { [ "$(stamp "$WORK/copy.til")" != "$untouched" ]; }
wait_for "Save as to write copy.til" 20 written
dump_tile "$WORK/copy.til" 3 "$WORK/copy-after.txt"
expect_tile "$WORK/copy-after.txt" "type=$(next_type "$type_before")"

# [Import Zentor Tileset, the last toolbar button] ---------------------------
press_zentor_button
choose_file "$WORK/legacy/old.til"
wait_editor

# [Rotate: a white pixel at the top left goes to the top right] --------------
press_at "$(cell_x 0)" "$(cell_y 0)"
focus_app
key r
# [Flip and Mirror on tile 1: its top-left pixel goes to the bottom right] ---
key Right
press_at "$(cell_x 0)" "$(cell_y 0)"
focus_app
key f
key m
sleep 0.3
key F2
new_format() { [ "$(head -c 17 "$WORK/legacy/old.til" | tail -c 15)" = "Sodbolt Tileset" ]; }
wait_for "F2 to write the current format over the imported file" 20 new_format
leave_editor

for i in 0 1 2; do dump_tile "$WORK/legacy/old.til" $i "$WORK/old$i.txt"; done
# Legacy codes 1, 2 and 0 become Solid, Water and Land; Rotate took tile 0's white top-left pixel to the top right,
# Flip and Mirror took tile 1's to the bottom right; the rest is the imported red and blue.
red="255 0 0" blue="0 0 255" white="255 255 255"
expect_tile "$WORK/old0.txt" "description=Imported Rock" type=2 "31,0=$white" "0,0=$red" "31,31=$red"
expect_tile "$WORK/old1.txt" "description=Old Pond" type=3 "31,31=$white" "16,16=$blue" "0,0=$blue" "31,0=$blue" "0,31=$blue"
expect_tile "$WORK/old2.txt" type=0

quit_from_tools
grep -qx "ImportZentorTilesPath *= *$WORK/legacy/old.til" "$WORK/sodbolt.ini" \
  || fail "sodbolt.ini lacks the Zentor import path: $(grep ImportZentorTilesPath "$WORK/sodbolt.ini")"
pass
