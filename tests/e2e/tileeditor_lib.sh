# The tile editor's tests: the tile set read through the program's own loader, where the pixel view sits.
source "$(dirname "${BASH_SOURCE[0]}")/editor_lib.sh"

EDITOR_ENTRY=2
UNIT_TESTS="$BUILD_DIR/tests/unit_tests"
[ -x "$UNIT_TESTS" ] || fail "no unit_tests binary in '$BUILD_DIR' (it reads and writes the tile set files)"
SCALE=14   # the pixel view's zoom when the editor opens
TOP=0      # the pixel view's first row (line height + 50), set by wait_editor
WHITE="#FFFFFF"

# tileed_helper NAME VAR=VALUE...: one of the TileEditorFiles helpers.
tileed_helper() {
  local name="$1"; shift
  env "$@" "$UNIT_TESTS" --gtest_filter="TileEditorFiles.$name" >"$WORK/helper.txt" 2>&1 \
    || { cat "$WORK/helper.txt" >&2; fail "helper $name failed"; }
}
# dump_tile FILE INDEX OUT: "description=...", "type=N", then "X,Y=R G B" lines, for expect_fields.
dump_tile() {
  tileed_helper DumpTile TILEED_DUMP="$1" TILEED_DUMP_TILE="$2" TILEED_DUMP_OUT="$3"
  sed -i -E 's/^([0-9]+) ([0-9]+) /\1,\2=/; s/^(description|type) /\1=/' "$3"
}
pixel_in() { sed -n "s/^$2,$3=//p" "$1"; }
field_in() { sed -n "s/^$2=//p" "$1"; }
hex() { printf '#%02X%02X%02X' $1 $2 $3; }
# what Change Tile Type makes of a type
next_type() { echo $(( $1 >= 0 && $1 < 3 ? $1 + 1 : 0 )); }

# view_top: the row below the yellow outline's top edge in the last shot, or nothing.
view_top() {
  local row
  row=$(convert "ppm:$SHOT" -crop 1x300+0+0 -depth 8 txt:- | grep -m1 '#FFFF00' | cut -d, -f2 | cut -d: -f1)
  [ -n "$row" ] && echo $((row + 1))
}
editor_shown() { shot; local t; t=$(view_top) && [ "$(px 0 $((t + 200)))" = "#FFFF00" ]; }
wait_editor() { wait_for "the tile editor's pixel view" 30 editor_shown; TOP=$(view_top); }

# the screen centre of tile pixel X or Y in the pixel view
cell_x() { echo $((1 + SCALE * $1 + SCALE / 2)); }
cell_y() { echo $((TOP + SCALE * $1 + SCALE / 2)); }
# cell_is X Y COLOUR: tile pixel (X, Y) of the view has that colour
cell_is() { pixel_is "$(cell_x "$1")" "$(cell_y "$2")" "$3"; }
wait_cell() { wait_for "tile pixel $1,$2 to be $3 ($4)" 20 cell_is "$1" "$2" "$3"; }

# tileed_workdir: a working folder with a copy of base/; TILES is its tile set.
tileed_workdir() {
  make_workdir
  TILES="$WORK/base/tiles/sodbolt.til"
  [ -f "$TILES" ] || fail "the content pack has no base/tiles/sodbolt.til"
}
