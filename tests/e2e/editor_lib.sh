# Helpers shared by the map and sprite editors' tests on an 800 x 600 screen. Source after lib.sh; the editor's
# own lib sets TOOLBAR_SEPARATORS and defines editor_shown.

LIGHT_BLUE="#81A2FF"   # the editors' background
LH=0

# Centre of toolbar button INDEX (separators count as entries: 36 pixels a
# button, 10 a separator).
toolbar_x() {
  local index=$1 x=2 i
  for ((i = 0; i < index; i++)); do
    if [[ " $TOOLBAR_SEPARATORS " == *" $i "* ]]; then x=$((x + 10)); else x=$((x + 36)); fi
  done
  echo $((x + 16))
}
toolbar_y() { echo $(( LH + 8 + 16 )); }

# The toolkit's message box on 800 x 600: its title bar crosses (400, middle).
wait_message() { wait_pixel 400 $(( (600 - 8 * LH) / 2 + LH / 2 )) "$TITLE_BLUE" "the message box"; }

clear_field() { xdotool key --delay 15 --repeat "${1:-40}" BackSpace; sleep 0.3; }

# fill_dialog WHAT CHARS TEXT: in the text or number dialog that opens, CHARS
# characters deleted, TEXT typed and Enter pressed.
fill_dialog() { wait_dialog "$1"; clear_field "$2"; type_text "$3"; key Return; }
# ok_message: the message box that opens is answered with Enter.
ok_message() { wait_message; key Return; wait_editor; }
# leave_editor: Exit, Yes (the editor's lib defines editor_gone).
leave_editor() { key Escape; wait_message; key Return; wait_for "the editor to close" 20 editor_gone; }

# open_editor DUMP_TOOL ENTRY: the line height from the dump tool, then the
# program from the scratch folder through the main menu's Tools (it opens on
# Back) to its ENTRY-th entry, until editor_shown.
open_editor() {
  LH=$(cd "$WORK" && "$1" --line-height) || fail "no line height from $1"
  start_app
  wait_window
  focus_app
  # The console of the start-up is black; the menu is drawn over its picture.
  wait_for "the main menu" 30 pixel_not 400 10 "#000000"
  sleep 1
  key Down Down Down Return   # from Exit round to Tools
  sleep 0.5
  local steps=() i
  for ((i = 0; i < $2; i++)); do steps+=(Down); done
  key "${steps[@]}" Return
  xdotool mousemove --window "$APP_WIN" 790 595
  wait_for "the editor" 20 editor_shown
}
