# Helpers for the tile editor's tests: the tile set read through the program's own loader, window pixels and where
# the pixel view sits. Source after lib.sh.

UNIT_TESTS="$BUILD_DIR/tests/unit_tests"
[ -x "$UNIT_TESTS" ] || fail "no unit_tests binary in '$BUILD_DIR' (it reads and writes the tile set files)"
SCALE=14   # the pixel view's zoom when the editor opens
TOP=0      # the pixel view's first row (line height + 50), set by wait_editor

# tileed_helper NAME VAR=VALUE...: one of the TileEditorFiles helpers.
tileed_helper() {
  local name="$1"; shift
  env "$@" "$UNIT_TESTS" --gtest_filter="TileEditorFiles.$name" >"$WORK/helper.txt" 2>&1 \
    || { cat "$WORK/helper.txt" >&2; fail "helper $name failed"; }
}
# dump_tile FILE INDEX OUT: "description ...", "type N", then "x y r g b" lines.
dump_tile() { tileed_helper DumpTile TILEED_DUMP="$1" TILEED_DUMP_TILE="$2" TILEED_DUMP_OUT="$3"; }
pixel_in() { awk -v x="$2" -v y="$3" '$1 == x && $2 == y && NF == 5 { print $3, $4, $5 }' "$1"; }
field_in() { sed -n "s/^$2 //p" "$1"; }
# expect_tile DUMP NAME=VALUE...: the dump has each value; NAME is description, type, or X,Y for a pixel.
expect_tile() {
  local file="$1" pair name got; shift
  for pair in "$@"; do
    name=${pair%%=*}
    if [[ $name == *,* ]]; then got=$(pixel_in "$file" "${name%,*}" "${name#*,}"); else got=$(field_in "$file" "$name"); fi
    [ "$got" = "${pair#*=}" ] || fail "$(basename "$file"): $name is '$got', expected '${pair#*=}'"
  done
}
pixels_only() { grep -v '^description \|^type ' "$1"; }
# what Change Tile Type makes of a type
next_type() { echo $(( $1 >= 0 && $1 < 3 ? $1 + 1 : 0 )); }
stamp() { stat -c %y "$1"; }

# shot, then pix X Y: a window pixel of that shot as #RRGGBB.
shot() { import -window "$APP_WIN" "$WORK/s.png"; }
pix() { convert "$WORK/s.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}'; }
# the row below the yellow outline's top edge in the shot, or nothing
view_top() {
  local row
  row=$(convert "$WORK/s.png" -crop 1x300+0+0 -depth 8 txt:- | grep -m1 '#FFFF00' | cut -d, -f2 | cut -d: -f1)
  [ -n "$row" ] && echo $((row + 1))
}
editor_shown() { shot; local t; t=$(view_top) && [ -n "$t" ] && [ "$(pix 0 $((t + 200)))" = "#FFFF00" ]; }
editor_gone() { ! editor_shown; }
wait_editor() { wait_for "the tile editor's pixel view" 30 editor_shown; TOP=$(view_top); }

# the screen centre of tile pixel X or Y in the pixel view
cell_x() { echo $((1 + SCALE * $1 + SCALE / 2)); }
cell_y() { echo $((TOP + SCALE * $1 + SCALE / 2)); }

# The toolbar is wider than 800 pixels: with the pointer pushed against the right edge of its button row it slides
# left until its right frame (#6B6B6B) is on screen; then its last button, Import Zentor Tileset, is pressed.
toolbar_right_in() {
  shot
  local y
  for y in $((TOP - 30)) $((TOP - 15)) $((TOP - 5)); do [ "$(pix 799 $y)" = "#6B6B6B" ] || return 1; done
}
press_zentor_button() {
  xdotool mousemove --window "$APP_WIN" 799 $((TOP - 26))
  wait_for "the toolbar to slide in from the right" 20 toolbar_right_in
  press_at 778 $((TOP - 26))
}

# a menu's title bar is up (keys typed while the program still loads its sounds are not kept)
menu_shown() { shot; [ "$(pix 5 30)" = "#284EEC" ]; }

# From the main menu (Exit selected) to Tools, then its Nth entry (1 Map
# Editor, 2 Tile Editor; the Tools menu opens on Back).
open_tools_entry() {
  focus_app
  wait_for "the main menu" 60 menu_shown
  sleep 0.5
  key Down Down Down Return
  sleep 0.5
  local steps=() i
  for ((i = 0; i < $1; i++)); do steps+=(Down); done
  key "${steps[@]}" Return
}

# tileed_workdir: a working folder with a copy of base/; TILES is its tile set.
tileed_workdir() {
  make_workdir --copy-base
  TILES="$WORK/base/tiles/sodbolt.til"
  [ -f "$TILES" ] || fail "the content pack has no base/tiles/sodbolt.til"
}

# start_from_tools N: the program, then the Nth entry of its Tools menu.
start_from_tools() {
  start_app
  wait_window "^Sodbolt\$" 90   # start-up is slow on a busy machine
  open_tools_entry "$1"
}

# choose_file PATH: types a path into the open file dialog and accepts it.
choose_file() {
  wait_for "the file dialog" 20 editor_gone
  sleep 0.5
  focus_app
  xdotool key --delay 20 --repeat 160 BackSpace; sleep 0.3
  type_text "$1"
  key Return
}

# save_with_f2: F2 writes the tile set.
tiles_written() { [ "$(stamp "$TILES")" != "$TILES_STAMP" ]; }
save_with_f2() { TILES_STAMP=$(stamp "$TILES"); focus_app; key F2; wait_for "F2 to save the tile set" 20 tiles_written; }
# leave_editor: Exit, and Yes to the question.
leave_editor() { key Escape; wait_for "the Exit question" 20 editor_gone; sleep 0.5; key Return; }
# quit_from_tools: the Tools menu back to the main menu (on Tools), then Exit.
quit_from_tools() {
  wait_for "the Tools menu" 20 menu_shown
  focus_app
  key Escape
  sleep 0.5
  key Down Down Down Return   # Help, Credits, Exit
  expect_exit 0
}
