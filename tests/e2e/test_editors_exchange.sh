#!/usr/bin/env bash
# Each editor's Ctrl+E export and Ctrl+I import through the file dialog: a TMX that imports back changed as one undo
# step, the tile set's PNG sheet with its TSX taking a painted sheet back, a sprite's PNG strip with its JSON reading
# back to the same file. (Refused imports: the unit tests.)
source "$(dirname "$0")/lib.sh" "$@"
TOOL="$BUILD_DIR/sodbolt-tool"
[ -x "$TOOL" ] || fail "no sodbolt-tool in '$BUILD_DIR'"
make_workdir --copy-base

# --- map editor -------------------------------------------------------------
source "$(dirname "$0")/mapeditor_lib.sh"
start_editor
map_dialog() { wait_pixel "$SIDE_X" 5 "$TITLE_BLUE" "$1"; clear_field 120; type_text "$2"; key Return; }
key ctrl+e
map_dialog "the Export to Tiled dialog" "$WORK/level.tmx"
wait_for "level.tmx to be written" 20 test -s "$WORK/level.tmx"
wait_editor
grep -q '<data encoding="csv">' "$WORK/level.tmx" || fail "the TMX has no CSV layer"
[ -s "$WORK/sodbolt.tsx" ] && [ -s "$WORK/sodbolt.png" ] || fail "no tile set beside the TMX"
sed -e 's/name="title" value="New Map"/name="title" value="From Tiled"/' "$WORK/level.tmx" > "$WORK/changed.tmx"
key ctrl+i
map_dialog "the Import from Tiled dialog" "$WORK/changed.tmx"
wait_editor
save_new "$WORK/imported.map"
[ "$(dump_field imported.map title)" = "From Tiled" ] || fail "the import did not reach the map: $(dump_field imported.map title)"
key ctrl+z
key F2
wait_for "Undo to take the whole import back" 20 map_title_is imported.map "New Map"
leave_editor
kill_app

# --- tile editor ------------------------------------------------------------
source "$(dirname "$0")/tileeditor_lib.sh"
TILES="$WORK/base/tiles/sodbolt.til"
start_from_tools 2
wait_editor
key ctrl+e
choose_file "$WORK/sheet.tsx"
wait_for "sheet.tsx and sheet.png" 20 test -s "$WORK/sheet.png" -a -s "$WORK/sheet.tsx"
wait_editor
[ "$(identify -format '%wx%h' "$WORK/sheet.png")" = 1024x1024 ] || fail "the sheet is not 1024 x 1024"
convert "$WORK/sheet.png" -fill '#FF0000' -draw 'rectangle 0,0 31,31' PNG32:"$WORK/painted.png"
key ctrl+i
choose_file "$WORK/painted.png"
wait_editor
save_with_f2
"$TOOL" export-tileset "$TILES" "$WORK/back.tsx" || fail "the saved tile set does not export"
[ "$(convert "$WORK/back.png" -crop 1x1+5+5 -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}')" = "#FF0000" ] \
  || fail "tile 0 did not take the painted sheet's picture"
[ "$(compare -metric AE "$WORK/back.png" "$WORK/painted.png" null: 2>&1)" = 0 ] || fail "other tiles changed"
leave_editor
kill_app

# --- sprite editor ----------------------------------------------------------
source "$(dirname "$0")/spriteeditor_lib.sh"
start_editor
key F3
choose_file "$WORK/base/sprites/mower.spr"
wait_editor
key ctrl+e
choose_file "$WORK/strip.png"
wait_for "strip.png and strip.json" 20 test -s "$WORK/strip.png" -a -s "$WORK/strip.json"
wait_editor
grep -q '"frames"' "$WORK/strip.json" || fail "the JSON has no frames"
key ctrl+i
choose_file "$WORK/strip.png"
wait_editor
key a
choose_file "$WORK/back.spr"
wait_for "back.spr to be written" 20 test -s "$WORK/back.spr"
cmp -s "$WORK/back.spr" "$WORK/base/sprites/mower.spr" || fail "the strip did not read back to the same sprite"
pass
