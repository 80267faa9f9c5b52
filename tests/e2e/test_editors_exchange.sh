#!/usr/bin/env bash
# Each editor's Ctrl+E export and Ctrl+I import: a TMX imported back changed as one undo step, the tile set's PNG
# sheet taking a painted sheet back, a sprite's PNG strip with its JSON reading back to the same file.
source "$(dirname "$0")/lib.sh" "$@"
TOOL="$BUILD_DIR/sodbolt-tool"
[ -x "$TOOL" ] || fail "no sodbolt-tool in '$BUILD_DIR'"
make_workdir

source "$(dirname "$0")/mapeditor_lib.sh"
start_editor
key ctrl+e
choose_file "$WORK/level.tmx"
wait_for "level.tmx to be written" 20 test -s "$WORK/level.tmx"
wait_editor
[ -s "$WORK/sodbolt.tsx" ] && [ -s "$WORK/sodbolt.png" ] || fail "no tile set beside the TMX"
sed -e 's/name="title" value="New Map"/name="title" value="From Tiled"/' "$WORK/level.tmx" > "$WORK/changed.tmx"
key ctrl+i
choose_file "$WORK/changed.tmx"
wait_editor
save_new "$WORK/imported.map"
[ "$(dump_field imported.map title)" = "From Tiled" ] || fail "the import did not reach the map: $(dump_field imported.map title)"
key ctrl+z
key F2
wait_for "Undo to take the whole import back" 20 map_title_is imported.map "New Map"
leave_editor
kill_app

source "$(dirname "$0")/tileeditor_lib.sh"
TILES="$WORK/base/tiles/sodbolt.til"
start_editor
key ctrl+e
choose_file "$WORK/sheet.tsx"
wait_for "sheet.tsx and sheet.png" 20 test -s "$WORK/sheet.png" -a -s "$WORK/sheet.tsx"
wait_editor
[ "$(identify -format '%wx%h' "$WORK/sheet.png")" = 1024x1024 ] || fail "the sheet is not 1024 x 1024"
convert "$WORK/sheet.png" -fill '#FF0000' -draw 'rectangle 0,0 31,31' PNG32:"$WORK/painted.png"
key ctrl+i
choose_file "$WORK/painted.png"
wait_editor
save_with_f2 "$TILES"
"$TOOL" export-tileset "$TILES" "$WORK/back.tsx" || fail "the saved tile set does not export"
[ "$(compare -metric AE "$WORK/back.png" "$WORK/painted.png" null: 2>&1)" = 0 ] || fail "the saved tile set is not the painted sheet"
leave_editor
kill_app

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
