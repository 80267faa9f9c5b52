# Helpers for the map editor's end-to-end tests: pixels of the window, slow
# mouse presses the frame loop cannot miss, and where things sit on an
# 800 x 600 screen. Source after lib.sh.

MAPDUMP="$BUILD_DIR/mapdump"
LIGHT_BLUE="#81A2FF"   # the editor's background
TITLE_BLUE="#0303FF"   # title bars of toolbars and dialogs
BRUSH_BLUE="#0000F0"   # squares of the brush-size grid
OUTLINE_GREEN="#00FF00"
LH=0

[ -x "$MAPDUMP" ] || fail "mapdump not built in '$BUILD_DIR'"

# pixel X Y: the colour at a window position as #RRGGBB.
pixel() {
  import -window "$APP_WIN" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -n1
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
pixel_not() { local p; p=$(pixel "$1" "$2"); [ -n "$p" ] && [ "$p" != "$3" ]; }
wait_pixel() { wait_for "colour $3 at $1,$2 ($4)" 20 pixel_is "$1" "$2" "$3"; }
wait_pixel_gone() { wait_for "colour $3 to leave $1,$2 ($4)" 20 pixel_not "$1" "$2" "$3"; }

# press_at X Y [BUTTON]: a press held long enough for a 60 Hz loop to see it.
press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"
  sleep 0.15
  xdotool mousedown "${3:-1}"
  sleep 0.25
  xdotool mouseup "${3:-1}"
  sleep 0.2
}

# Centre of map cell (column, row): the map starts at (0, lh + 50) on 800 x 600.
cell_x() { echo $(( 32 * $1 + 16 )); }
cell_y() { echo $(( LH + 50 + 32 * $1 + 16 )); }

# Centre of the editor's toolbar button INDEX (separators count as entries,
# 36 pixels a button, 10 a separator).
toolbar_x() {
  local index=$1 x=2 i
  local separators=" 5 8 11 16 18 "
  for ((i = 0; i < index; i++)); do
    if [[ "$separators" == *" $i "* ]]; then x=$((x + 10)); else x=$((x + 36)); fi
  done
  echo $((x + 16))
}
toolbar_y() { echo $(( LH + 8 + 16 )); }

# Editor on screen: the background right of the toolbar is light blue; a
# dialog clears the screen to black.
editor_shown() { pixel_is 700 10 "$LIGHT_BLUE"; }
wait_editor() { wait_for "the map editor" 20 editor_shown; }
wait_dialog() { wait_pixel 700 10 "#000000" "$1"; }

# The toolkit's message box on 800 x 600: its title bar crosses (400, 200).
wait_message() { wait_pixel 400 $(( (600 - 8 * LH) / 2 + LH / 2 )) "$TITLE_BLUE" "the message box"; }

clear_field() { xdotool key --delay 15 --repeat "${1:-40}" BackSpace; sleep 0.3; }

# start_editor: the program from the scratch folder, through the main menu's
# Tools to the Map Editor.
start_editor() {
  LH=$(cd "$WORK" && "$MAPDUMP" --line-height) || fail "no line height from mapdump"
  start_app
  wait_window
  focus_app
  # The console of the start-up is black; the menu is drawn over its picture.
  wait_pixel_gone 400 10 "#000000" "the main menu"
  sleep 1
  key Down Down Down Return   # from Exit round to Tools
  sleep 0.5
  key Down Return             # from Back round to Map Editor
  xdotool mousemove --window "$APP_WIN" 790 595
  wait_editor
}

# leave_editor: Exit, Yes.
leave_editor() {
  key Escape
  wait_message
  key Return
  wait_for "the editor to close" 20 pixel_not 700 10 "$LIGHT_BLUE"
}

# dump_field FILE NAME: one field of mapdump's output for a map file.
dump_field() { (cd "$WORK" && "$MAPDUMP" "$1") | sed -n "s/^$2=//p"; }
