#!/usr/bin/env bash
# The tile editor's file commands: Save as to an existing file asks first (No
# leaves the file, Yes writes it); Import Zentor Tileset turns a generated
# version 6 legacy file into the set, and F2 then writes the current format
# over the imported file; Rotate turns the tile a quarter clockwise.
source "$(dirname "$0")/lib.sh" "$@"

UNIT_TESTS="$BUILD_DIR/tests/unit_tests"
[ -x "$UNIT_TESTS" ] || fail "no unit_tests binary in $BUILD_DIR (it reads and writes the tile set files)"

# [helpers] ------------------------------------------------------------------
helper() { # TEST-NAME VAR=VALUE...
  local name="$1"; shift
  env "$@" "$UNIT_TESTS" --gtest_filter="TileEditorFiles.$name" >"$WORK/helper.txt" 2>&1 \
    || { cat "$WORK/helper.txt" >&2; fail "helper $name failed"; }
}
dump_tile() { helper DumpTile TILEED_DUMP="$1" TILEED_DUMP_TILE="$2" TILEED_DUMP_OUT="$3"; }
pixel_in() { awk -v x="$2" -v y="$3" '$1 == x && $2 == y && NF == 5 { print $3, $4, $5 }' "$1"; }
field_in() { sed -n "s/^$2 //p" "$1"; }

shot() { import -window "$APP_WIN" "$WORK/s.png"; }
pix() { convert "$WORK/s.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}'; }
view_top() {
  local row
  row=$(convert "$WORK/s.png" -crop 1x300+0+0 -depth 8 txt:- | grep -m1 '#FFFF00' | cut -d, -f2 | cut -d: -f1)
  [ -n "$row" ] && echo $((row + 1))
}
editor_shown() { shot; local t; t=$(view_top) && [ -n "$t" ] && [ "$(pix 0 $((t + 200)))" = "#FFFF00" ]; }
editor_gone() { ! editor_shown; }
wait_editor() { wait_for "the tile editor's pixel view" 30 editor_shown; TOP=$(view_top); }
press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.1
  xdotool mousedown "${3:-1}"; sleep 0.15; xdotool mouseup "${3:-1}"; sleep 0.2
}
SCALE=14
cell_x() { echo $((1 + SCALE * $1 + SCALE / 2)); }
cell_y() { echo $((TOP + SCALE * $1 + SCALE / 2)); }
stamp() { stat -c %y "$1"; }

# types a path into the open file dialog's name field and accepts it
choose_file() {
  wait_for "the file dialog" 20 editor_gone
  sleep 0.5
  focus_app
  xdotool key --delay 20 --repeat 160 BackSpace; sleep 0.3
  type_text "$1"
  key Return
}

# [set-up] -------------------------------------------------------------------
make_workdir --copy-base
[ -f "$WORK/base/tiles/sodbolt.til" ] || fail "the content pack has no base/tiles/sodbolt.til"
mkdir -p "$WORK/legacy"
helper WriteZentorTileset TILEED_ZENTOR_OUT="$WORK/legacy/old.til"
[ "$(stat -c %s "$WORK/legacy/old.til")" = 866340 ] || fail "the generated Zentor file has the wrong size"
cp "$WORK/base/tiles/sodbolt.til" "$WORK/copy.til"
dump_tile "$WORK/copy.til" 0 "$WORK/copy-before.txt"
type_before=$(field_in "$WORK/copy-before.txt" type)

start_app
wait_window
focus_app
sleep 1
key Down Down Down Return
sleep 0.5
key Down Down Return
wait_editor

# [Save as over an existing file: No keeps it, Yes writes it] ----------------
key y
key a
choose_file "$WORK/copy.til"
sleep 1
screenshot "$WORK/overwrite-question.png"
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
dump_tile "$WORK/copy.til" 0 "$WORK/copy-after.txt"
expected_type=$(( type_before >= 0 && type_before < 3 ? type_before + 1 : 0 ))
[ "$(field_in "$WORK/copy-after.txt" type)" = "$expected_type" ] || fail "copy.til tile 0 has type $(field_in "$WORK/copy-after.txt" type), expected $expected_type"

# [Import Zentor Tileset, the last toolbar button] ---------------------------
# the toolbar's button row: line height + 8 below its top, 32 high
press_at 790 $((TOP - 50 + 8 + 16))
choose_file "$WORK/legacy/old.til"
wait_editor
screenshot "$WORK/imported.png"

# [Rotate: a white pixel at the top left goes to the top right] --------------
press_at "$(cell_x 0)" "$(cell_y 0)"
focus_app
key r
sleep 0.3
key F2
new_format() { [ "$(head -c 17 "$WORK/legacy/old.til" | tail -c 15)" = "Sodbolt Tileset" ]; }
wait_for "F2 to write the current format over the imported file" 20 new_format
key Escape
sleep 0.5
key Return
wait_for "the editor to close" 20 editor_gone

dump_tile "$WORK/legacy/old.til" 0 "$WORK/old0.txt"
dump_tile "$WORK/legacy/old.til" 1 "$WORK/old1.txt"
dump_tile "$WORK/legacy/old.til" 2 "$WORK/old2.txt"
[ "$(field_in "$WORK/old0.txt" description)" = "Imported Rock" ] || fail "tile 0 is '$(field_in "$WORK/old0.txt" description)'"
[ "$(field_in "$WORK/old0.txt" type)" = 2 ] || fail "legacy code 1 did not become Solid"
[ "$(field_in "$WORK/old1.txt" description)" = "Old Pond" ] || fail "tile 1 is '$(field_in "$WORK/old1.txt" description)'"
[ "$(field_in "$WORK/old1.txt" type)" = 3 ] || fail "legacy code 2 did not become Water"
[ "$(field_in "$WORK/old2.txt" type)" = 0 ] || fail "legacy code 0 did not become Land"
[ "$(pixel_in "$WORK/old0.txt" 31 0)" = "255 255 255" ] || fail "Rotate did not take the top-left pixel to the top right"
[ "$(pixel_in "$WORK/old0.txt" 0 0)" = "255 0 0" ] || fail "after Rotate pixel 0 0 is $(pixel_in "$WORK/old0.txt" 0 0)"
[ "$(pixel_in "$WORK/old0.txt" 31 31)" = "255 0 0" ] || fail "imported red is $(pixel_in "$WORK/old0.txt" 31 31)"
[ "$(pixel_in "$WORK/old1.txt" 16 16)" = "0 0 255" ] || fail "imported blue is $(pixel_in "$WORK/old1.txt" 16 16)"
if [ -n "${TILEED_SHOTS:-}" ]; then cp "$WORK"/*.png "$TILEED_SHOTS"/; fi
pass
