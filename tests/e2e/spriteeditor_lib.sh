# Helpers for the sprite editor's tests: the toolbar, the frame view and the file dialog on 800 x 600, sprites read
# back through spritedump.

source "$(dirname "${BASH_SOURCE[0]}")/editor_lib.sh"

SPRITEDUMP="$BUILD_DIR/spritedump"
TOOLBAR_SEPARATORS="5 8 11 17 21 25"

[ -x "$SPRITEDUMP" ] || fail "spritedump not built in '$BUILD_DIR'"

# press_button INDEX: presses a toolbar button, then takes the pointer off the
# toolbar so that its tool tip does not cover the background. The last button
# reaches past 800 pixels: it is pressed left of its centre, away from the
# screen edge where the pointer would nudge the toolbar.
press_button() {
  local x; x=$(toolbar_x "$1")
  ((x > 790)) && x=790
  press_at "$x" "$(toolbar_y)"
  xdotool mousemove --window "$APP_WIN" 790 595
}

# The editor is on screen when the background below the toolbar's right end
# is light blue; every dialog clears the screen first.
editor_shown() { pixel_is 790 100 "$LIGHT_BLUE"; }
wait_editor() { wait_for "the sprite editor" 20 editor_shown; }
editor_gone() { pixel_not 790 100 "$LIGHT_BLUE"; }
wait_dialog() { wait_for "$1" 20 editor_gone; sleep 0.3; }
# The frame view's centre.
centre_is() { pixel_is 400 300 "$1"; }
wait_centre() { wait_for "colour $1 in the frame view ($2)" 20 centre_is "$1"; }

# choose_file PATH: types a path into the open file dialog and accepts it.
choose_file() {
  wait_dialog "the file dialog"
  focus_app
  clear_field 200
  type_text "$1"
  key Return
}

# file_command KEY PATH COLOUR WHAT: a command's file dialog given PATH, then COLOUR in the frame view.
file_command() { key "$1"; choose_file "$2"; wait_editor; wait_centre "$3" "$4"; }
# save_with_f2 FILE: F2 writes FILE.
stamp_differs() { [ "$(stat -c %y "$1")" != "$2" ]; }
save_with_f2() {
  local before; before=$(stat -c %y "$1")
  key F2
  wait_for "F2 to save $(basename "$1")" 20 stamp_differs "$1" "$before"
}

# start_editor [READY]: through the main menu's Tools to the Sprite Editor.
start_editor() { open_editor "$SPRITEDUMP" "Sprite Editor" "$@"; }

# dump_field FILE NAME: one line of spritedump's output for a sprite file.
dump_field() { "$SPRITEDUMP" "$1" | sed -n "s/^$2=//p"; }
# save_new FILE: Save Sprite As to a file that is not there yet, until it is written and the editor is back.
save_new() { key a; choose_file "$1"; wait_for "$(basename "$1") to be written" 20 test -s "$1"; wait_editor; }
# expect_sprite FILE NAME=VALUE...: the game's loader reads FILE, and spritedump's output has each line.
expect_sprite() {
  local file="$1"; shift
  "$SPRITEDUMP" "$file" > "$file.dump" || fail "$(basename "$file") does not load"
  expect_fields "$file.dump" "$@"
}
