# Helpers for the sprite editor's end-to-end tests: pixels of the window,
# presses the frame loop cannot miss, the toolbar's buttons and the file
# dialog on an 800 x 600 screen. Source after lib.sh.

SPRITEDUMP="$BUILD_DIR/spritedump"
LIGHT_BLUE="#81A2FF"   # the editor's background
TITLE_BLUE="#0303FF"   # title bars of toolbars and dialogs
LH=0

[ -x "$SPRITEDUMP" ] || fail "spritedump not built in '$BUILD_DIR'"

# pixel X Y: the colour at a window position as #RRGGBB.
pixel() {
  import -window "$APP_WIN" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -n1
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
pixel_not() { local p; p=$(pixel "$1" "$2"); [ -n "$p" ] && [ "$p" != "$3" ]; }
wait_pixel() { wait_for "colour $3 at $1,$2 ($4)" 20 pixel_is "$1" "$2" "$3"; }

# press_at X Y [BUTTON]: a press held long enough for a 60 Hz loop to see it.
press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"
  sleep 0.15
  xdotool mousedown "${3:-1}"
  sleep 0.25
  xdotool mouseup "${3:-1}"
  sleep 0.2
}

# Centre of toolbar button INDEX (separators count as entries: 36 pixels a
# button, 10 a separator).
toolbar_x() {
  local index=$1 x=2 i
  local separators=" 5 8 14 18 21 "
  for ((i = 0; i < index; i++)); do
    if [[ "$separators" == *" $i "* ]]; then x=$((x + 10)); else x=$((x + 36)); fi
  done
  echo $((x + 16))
}
toolbar_y() { echo $(( LH + 8 + 16 )); }
# press_button INDEX: presses a toolbar button, then takes the pointer off the
# toolbar so that its tool tip does not cover the background.
press_button() {
  press_at "$(toolbar_x "$1")" "$(toolbar_y)"
  xdotool mousemove --window "$APP_WIN" 790 595
}

# The editor is on screen when the background below the toolbar's right end
# is light blue; every dialog clears the screen first.
editor_shown() { pixel_is 790 100 "$LIGHT_BLUE"; }
wait_editor() { wait_for "the sprite editor" 20 editor_shown; }
wait_dialog() { wait_for "$1" 20 pixel_not 790 100 "$LIGHT_BLUE"; sleep 0.3; }
# The toolkit's message box on 800 x 600: its title bar crosses (400, middle).
wait_message() { wait_pixel 400 $(( (600 - 8 * LH) / 2 + LH / 2 )) "$TITLE_BLUE" "the message box"; }
# The frame view's centre.
centre_is() { pixel_is 400 300 "$1"; }
wait_centre() { wait_for "colour $1 in the frame view ($2)" 20 centre_is "$1"; }

clear_field() { xdotool key --delay 15 --repeat "${1:-40}" BackSpace; sleep 0.3; }

# choose_file PATH: types a path into the open file dialog and accepts it.
choose_file() {
  wait_dialog "the file dialog"
  focus_app
  clear_field 200
  type_text "$1"
  key Return
}

# start_editor: the program from the scratch folder, through the main menu's
# Tools to the Sprite Editor.
start_editor() {
  LH=$(cd "$WORK" && "$SPRITEDUMP" --line-height) || fail "no line height from spritedump"
  start_app
  wait_window
  focus_app
  # The console of the start-up is black; the menu is drawn over its picture.
  wait_for "the main menu" 30 pixel_not 400 10 "#000000"
  sleep 1
  key Down Down Down Return   # from Exit round to Tools
  sleep 0.5
  key Down Down Down Return   # from Back round to Sprite Editor
  xdotool mousemove --window "$APP_WIN" 790 595
  wait_editor
}

# dump_field FILE NAME: one line of spritedump's output for a sprite file.
dump_field() { "$SPRITEDUMP" "$1" | sed -n "s/^$2=//p"; }
