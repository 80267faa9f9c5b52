#!/usr/bin/env bash
# The tile picker's Edit: in the map editor, T opens "Select Tile"; the right
# button on tile 12 and "Edit" open the tile editor on the set's file at tile
# 12; a pixel painted there and saved shows in the picker when it is opened
# again (the set is read again after the editor closes).
source "$(dirname "$0")/lib.sh" "$@"

UNIT_TESTS="$BUILD_DIR/tests/unit_tests"
[ -x "$UNIT_TESTS" ] || fail "no unit_tests binary in $BUILD_DIR (it reads the tile set files)"

# [helpers] ------------------------------------------------------------------
dump_tile() {
  TILEED_DUMP="$1" TILEED_DUMP_TILE="$2" TILEED_DUMP_OUT="$3" \
    "$UNIT_TESTS" --gtest_filter='TileEditorFiles.DumpTile' >"$WORK/helper.txt" 2>&1 \
    || { cat "$WORK/helper.txt" >&2; fail "could not read tile $2 of $1"; }
}
pixel_in() { awk -v x="$2" -v y="$3" '$1 == x && $2 == y && NF == 5 { print $3, $4, $5 }' "$1"; }
shot() { import -window "$APP_WIN" "$WORK/s.png"; }
pix() { convert "$WORK/s.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}'; }
view_top() {
  local row
  row=$(convert "$WORK/s.png" -crop 1x300+0+0 -depth 8 txt:- | grep -m1 '#FFFF00' | cut -d, -f2 | cut -d: -f1)
  [ -n "$row" ] && echo $((row + 1))
}
editor_shown() { shot; local t; t=$(view_top) && [ -n "$t" ] && [ "$(pix 0 $((t + 200)))" = "#FFFF00" ]; }
wait_editor() { wait_for "the tile editor's pixel view" 30 editor_shown; TOP=$(view_top); }
# the picker: light blue between the first row's last tile and the page slider,
# and no pixel view
picker_shown() { shot; [ "$(pix 770 100)" = "#81A2FF" ] && [ -z "$(view_top)" ]; }
press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.1
  xdotool mousedown "${3:-1}"; sleep 0.15; xdotool mouseup "${3:-1}"; sleep 0.2
}
SCALE=14
# tile 12 is the thirteenth of the picker's first row (33 pixels a tile);
# y 100 lies inside the first row for any line height from 10 to 42
TILE12_X=$((12 * 33 + 1 + 16)); ROW0_Y=100

# [set-up] -------------------------------------------------------------------
make_workdir --copy-base
TILES="$WORK/base/tiles/sodbolt.til"
[ -f "$TILES" ] || fail "the content pack has no base/tiles/sodbolt.til"
dump_tile "$TILES" 12 "$WORK/before12.txt"
[ "$(pixel_in "$WORK/before12.txt" 5 5)" != "255 255 255" ] || fail "tile 12 pixel 5 5 is white already"

start_app
wait_window
focus_app
sleep 1
key Down Down Down Return   # Exit -> Play -> Options -> Tools
sleep 0.5
key Down Return             # Back -> Map Editor
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
screenshot "$WORK/editor-from-picker.png"

# [paint pixel 5 5 white, save, leave] ---------------------------------------
press_at $((1 + SCALE * 5 + SCALE / 2)) $((TOP + SCALE * 5 + SCALE / 2))
before_save=$(stat -c %y "$TILES")
focus_app
key F2
saved() { [ "$(stat -c %y "$TILES")" != "$before_save" ]; }
wait_for "F2 to save the tile set" 20 saved
key Escape
sleep 0.5
key Return
editor_gone() { ! editor_shown; }
wait_for "the tile editor to close" 20 editor_gone
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
if [ -n "${TILEED_SHOTS:-}" ]; then cp "$WORK"/*.png "$TILEED_SHOTS"/; fi
pass
