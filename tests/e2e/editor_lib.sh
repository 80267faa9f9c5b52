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
wait_message() { wait_for "the message box" 20 message_shown; }

clear_field() { xdotool key --delay 15 --repeat "${1:-40}" BackSpace; sleep 0.3; }

# fill_dialog WHAT CHARS TEXT: in the text or number dialog that opens, CHARS
# characters deleted, TEXT typed and Enter pressed.
fill_dialog() { wait_dialog "$1"; clear_field "$2"; type_text "$3"; key Return; }
# ok_message: the message box that opens is answered with Enter.
ok_message() { wait_message; key Return; wait_editor; }
# leave_editor: Exit, Yes (the editor's lib defines editor_gone).
leave_editor() { key Escape; wait_message; key Return; wait_for "the editor to close" 20 editor_gone; }

# message_shown: a message box or question is up.
message_shown() { pixel_is 400 $(( (600 - 8 * LH) / 2 + LH / 2 )) "$TITLE_BLUE"; }

# tool_entry NAME: where an editor sits in the Tools menu, counted from Back.
tool_entry() {
  case "$1" in
    "Map Editor") echo 1 ;;
    "Tile Editor") echo 2 ;;
    "Sprite Editor") echo 3 ;;
    *) fail "the Tools menu has no '$1'" ;;
  esac
}

# open_editor DUMP_TOOL NAME [READY]: the line height from the dump tool, then
# the program from the scratch folder through the main menu's Tools (it opens
# on Back) to the editor called NAME, until READY (editor_shown unless given;
# message_shown for a question the editor asks as it opens).
open_editor() {
  LH=$(cd "$WORK" && "$1" --line-height) || fail "no line height from $1"
  start_app
  wait_window
  focus_app
  # The console of the start-up is black; the menu is drawn over its picture.
  wait_for "the main menu" 30 pixel_lit 400 10
  sleep 1
  key Down Down Down Return   # from Exit round to Tools
  sleep 0.5
  local steps=() i entry
  entry=$(tool_entry "$2")
  for ((i = 0; i < entry; i++)); do steps+=(Down); done
  key "${steps[@]}" Return
  xdotool mousemove --window "$APP_WIN" 790 595
  wait_for "the editor (${3:-editor_shown})" 20 "${3:-editor_shown}"
}

# [Recovery copies] The toolbar's title (the file name, "*" while unsaved), for area_sum.
title_area() { echo "360x$((LH - 4))+4+3"; }
no_recovery_copy() { [ -z "$(ls -A "$WORK/recovery" 2>/dev/null)" ]; }
# restore_yes: Yes to the restore question; the editor shows with the title of the unsaved work ($starred).
restore_yes() { key Return; wait_editor; wait_for "the title with its *" 10 area_equals "$(title_area)" "$starred"; }
# restart_and_refuse: kills the program, opens the editor again and answers No to the restore question: no copy stays.
restart_and_refuse() {
  kill_app
  start_editor message_shown
  key Escape
  wait_editor
  no_recovery_copy || fail "No left a copy: $(ls "$WORK/recovery")"
}
# damaged_copy_reported: Yes to the restore question of a damaged copy; a message says so, Enter leads back to the
# editor, the program still runs and the copy is gone.
damaged_copy_reported() {
  key Return
  sleep 1
  wait_message
  key Return
  wait_editor
  app_running || fail "the damaged copy ended the program"
  no_recovery_copy || fail "the damaged copy was kept: $(ls "$WORK/recovery")"
}
