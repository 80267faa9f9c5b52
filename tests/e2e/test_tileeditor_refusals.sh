#!/usr/bin/env bash
# Loading a map as a tile set, importing a version 5 Zentor set and saving into a missing folder are refused, and the
# editor still edits the same file at the same tile afterwards.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

tileed_workdir
MAPFILE=$(ls "$WORK"/base/maps/*.map | head -n1)
[ -n "$MAPFILE" ] || fail "the content pack has no map"
dump_tile "$TILES" 0 "$WORK/before0.txt"
dump_tile "$TILES" 3 "$WORK/before3.txt"
tileed_helper WriteZentorTileset TILEED_ZENTOR_OUT="$WORK/v5.til" TILEED_ZENTOR_VERSION=5

start_from_tools 2
wait_editor
focus_app
key Right Right Right

# [three refusals, each answered with OK] ------------------------------------
key F3
choose_file "$MAPFILE"
sleep 1.5
screenshot "$WORK/load-refused.png"
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
leave_editor
wait_for "the Tools menu" 20 menu_shown

dump_tile "$TILES" 3 "$WORK/after3.txt"
# still on tile 3 of the same set after the refusals, unchanged where nothing was painted
expect_tile "$WORK/after3.txt" "7,7=255 255 255" "20,20=$(pixel_in "$WORK/before3.txt" 20 20)"
dump_tile "$TILES" 0 "$WORK/after0.txt"
cmp -s "$WORK/before0.txt" "$WORK/after0.txt" || fail "a refused load or import changed tile 0"
pass
