# The sprite editor's tests: the toolbar and the frame view on 800 x 600, sprites read back through spritedump.
source "$(dirname "${BASH_SOURCE[0]}")/editor_lib.sh"

EDITOR_ENTRY=3
SPRITEDUMP="$BUILD_DIR/spritedump"
TOOLBAR_SEPARATORS="5 8 11 17 21 25"
[ -x "$SPRITEDUMP" ] || fail "spritedump not built in '$BUILD_DIR'"

# press_button INDEX: a toolbar button pressed (the last one left of its centre, away from the screen edge where the
# pointer would nudge the toolbar), then the pointer off the toolbar, so that its tool tip does not cover the view.
press_button() {
  local x; x=$(toolbar_x "$1")
  ((x > 790)) && x=790
  press_at "$x" "$(toolbar_y)"
  xdotool mousemove --window "$APP_WIN" 790 595
}

# The editor is on screen when the background below the toolbar's right end is light blue; a dialog clears it.
editor_shown() { pixel_is 790 100 "$LIGHT_BLUE"; }
# The frame view's centre.
centre_is() { pixel_is 400 300 "$1"; }
wait_centre() { wait_for "colour $1 in the frame view ($2)" 20 centre_is "$1"; }

# file_command KEY PATH COLOUR WHAT: a command's file dialog given PATH, then COLOUR in the frame view.
file_command() { key "$1"; choose_file "$2"; wait_editor; wait_centre "$3" "$4"; }
# save_new FILE: Save Sprite As to a file that is not there yet, until it is written and the editor is back.
save_new() { key a; choose_file "$1"; wait_for "$(basename "$1") to be written" 20 test -s "$1"; wait_editor; }
# expect_sprite FILE NAME=VALUE...: the game's loader reads FILE, and spritedump's output has each line.
expect_sprite() {
  local file="$1"; shift
  "$SPRITEDUMP" "$file" > "$file.dump" || fail "$(basename "$file") does not load"
  expect_fields "$file.dump" "$@"
}
