# The map editor's tests: where things sit on 800 x 600, maps read back through mapdump.
source "$(dirname "${BASH_SOURCE[0]}")/editor_lib.sh"

EDITOR_ENTRY=1
MAPDUMP="$BUILD_DIR/mapdump"
OUTLINE_GREEN="#00FF00"
TOOLBAR_SEPARATORS="5 8 11 16 21 24 26"
TIME_LIMIT_BUTTON=19   # "Change Time Limit" has no hot key
[ -x "$MAPDUMP" ] || fail "mapdump not built in '$BUILD_DIR'"

# Centre of map cell (column, row): the map starts at (0, lh + 50).
cell_x() { echo $(( 32 * $1 + 16 )); }
cell_y() { echo $(( LH + 50 + 32 * $1 + 16 )); }

# The editor shows light blue right of its status line; a dialog clears the screen, its title bar seen at SIDE_X.
SIDE_X=790
editor_shown() { pixel_is 798 599 "$LIGHT_BLUE"; }
wait_dialog() { wait_pixel "$SIDE_X" 10 "#000000" "$1"; }
wait_file_dialog() { wait_pixel "$SIDE_X" 5 "$TITLE_BLUE" "the file dialog"; }

# pick_tile INDEX: Tile Mode, a press on that tile of the picker (23 tiles a row, 33 pixels apart).
pick_tile() {
  key t
  wait_pixel 0 $((LH + 70)) "$OUTLINE_GREEN" "the tile picker"
  press_at $((33 * ($1 % 23) + 17)) $((LH + 58 + 33 * ($1 / 23) + 16))
  wait_for "the tile picker to close" 20 pixel_not 0 $((LH + 70)) "$OUTLINE_GREEN"
  wait_editor
}
# brush_size W H: the brush-size grid, the square of the block's far corner.
brush_size() {
  key b
  wait_pixel 16 $((LH + 48 + 16)) "#0000F0" "the brush-size grid"
  xdotool mousemove --window "$APP_WIN" $((33 * ($1 - 1) + 16)) $((LH + 48 + 33 * ($2 - 1) + 16))
  sleep 0.5
  press_at $((33 * ($1 - 1) + 16)) $((LH + 48 + 33 * ($2 - 1) + 16))
  wait_editor
}
# first_tile KIND: the first tile of that kind (0 Land, 1 Grass, 2 Solid).
first_tile() { (cd "$WORK" && "$MAPDUMP" --first-tile "$1") || fail "the tile set has no tile of kind $1"; }

# dump_field FILE NAME: one field of mapdump's output for a map file.
dump_field() { (cd "$WORK" && "$MAPDUMP" "$1") | sed -n "s/^$2=//p"; }
map_title_is() { [ "$(dump_field "$1" title)" = "$2" ]; }
# dump_map FILE: mapdump's output for a map file, in FILE.dump.
dump_map() { (cd "$WORK" && "$MAPDUMP" "$1") > "$WORK/$1.dump" || fail "$1 does not load"; }
# save_new NAME: Save Map As to a file that is not there yet, until it is written and the editor is back.
save_new() { key a; choose_file "$1"; wait_for "$(basename "$1") to be written" 20 test -s "$WORK/${1#"$WORK/"}"; wait_editor; }
