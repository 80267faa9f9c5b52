# The editors' shared steps on 800 x 600, sourced by each editor's lib: it sets EDITOR_ENTRY (its row in the Tools
# menu, counted from Back) and TOOLBAR_SEPARATORS and defines editor_shown.

LIGHT_BLUE="#81A2FF"   # the editors' background
LH=0                   # the toolkit's line height
editor_gone() { ! editor_shown; }
wait_editor() { wait_for "the editor" 30 editor_shown; }

# start_editor [READY]: the program, Tools, the editor's entry, until READY (message_shown for a restore question).
start_editor() {
  LH=$(cd "$WORK" && "$BUILD_DIR/mapdump" --line-height) || fail "no line height from mapdump"
  start_menu
  go Down Down Down Return
  local steps=() i
  for ((i = 0; i < EDITOR_ENTRY; i++)); do steps+=(Down); done
  key "${steps[@]}" Return
  xdotool mousemove --window "$APP_WIN" 790 595
  if [ $# = 0 ]; then wait_editor; else wait_for "the editor ($1)" 30 "$1"; fi
}
# quit_from_tools: the Tools menu back to the main menu (on Tools), then Exit.
quit_from_tools() {
  wait_for "the Tools menu" 20 menu_drawn
  focus_app
  go Escape
  key Down Down Down Return
  expect_exit 0
}

# Centre of toolbar button INDEX (separators count as entries: 36 pixels a button, 10 a separator).
toolbar_x() {
  local index=$1 x=2 i
  for ((i = 0; i < index; i++)); do
    if [[ " $TOOLBAR_SEPARATORS " == *" $i "* ]]; then x=$((x + 10)); else x=$((x + 36)); fi
  done
  echo $((x + 16))
}
toolbar_y() { echo $(( LH + 8 + 16 )); }

# message_shown: the toolkit's message box or question is up; its title bar crosses (400, middle).
message_shown() { pixel_is 400 $(( (600 - 8 * LH) / 2 + LH / 2 )) "$TITLE_BLUE"; }
wait_message() { wait_for "the message box" 20 message_shown; }
# ok_message: the message box that opens is answered with Enter.
ok_message() { wait_message; key Return; wait_editor; }
# leave_editor: Exit, Yes.
leave_editor() { key Escape; wait_message; key Return; wait_for "the editor to close" 20 editor_gone; }

clear_field() { xdotool key --delay 15 --repeat "${1:-40}" BackSpace; sleep 0.3; }
# wait_dialog WHAT: a dialog clears the screen before it draws.
wait_dialog() { wait_for "$1" 20 editor_gone; sleep 0.5; }
# fill_dialog WHAT CHARS TEXT: in the text or number dialog that opens, CHARS characters deleted, TEXT typed, Enter.
fill_dialog() { wait_dialog "$1"; clear_field "$2"; type_text "$3"; key Return; }
# choose_file PATH: a path typed into the file dialog that opens, and accepted.
choose_file() { wait_file_dialog; focus_app; clear_field 200; type_text "$1"; key Return; }
wait_file_dialog() { wait_dialog "the file dialog"; }
# save_with_f2 FILE: F2 writes FILE.
save_with_f2() {
  local file="$1" before; before=$(stamp "$1")
  focus_app
  key F2
  wait_for "F2 to save $(basename "$1")" 20 eval '[ "$(stamp "$file")" != "$before" ]'
}

# [Recovery copies] The toolbar's title (the file name, "*" while unsaved), for area_sum.
title_area() { echo "360x$((LH - 4))+4+3"; }
no_recovery_copy() { [ -z "$(ls -A "$WORK/recovery" 2>/dev/null)" ]; }
copy_written() { [ -s "$COPY" ]; }
# recovery_check: the copy COPY through the editor's paint N, painted, save_restored, saved, unrestored WHAT, damage.
recovery_check() {
  local plain starred
  plain=$(area_sum "$(title_area)")
  paint 1
  wait_for "the recovery copy" 15 copy_written
  starred=$(area_sum "$(title_area)")
  [ "$starred" != "$plain" ] || fail "the title did not change with the unsaved work"
  painted
  kill_app
  # Yes: the work is back, unsaved, and Save writes it.
  start_editor message_shown
  key Return
  wait_editor
  wait_for "the title with its *" 10 area_equals "$(title_area)" "$starred"
  save_restored
  saved
  wait_for "the saved title without *" 10 area_differs "$(title_area)" "$starred"
  wait_for "Save to remove the copy" 10 no_recovery_copy
  # No: the copy goes, the file stays.
  paint 2
  wait_for "the second recovery copy" 15 copy_written
  kill_app
  start_editor message_shown
  key Escape
  wait_editor
  no_recovery_copy || fail "No left a copy: $(ls "$WORK/recovery")"
  unrestored "No restored the work anyway"
  # A damaged copy: a message, no crash, the copy removed.
  kill_app
  damage
  touch -d '+1 minute' "$COPY"
  start_editor message_shown
  key Return
  sleep 1
  wait_message
  key Return
  wait_editor
  app_running || fail "the damaged copy ended the program"
  no_recovery_copy || fail "the damaged copy was kept: $(ls "$WORK/recovery")"
  unrestored "the damaged copy was loaded"
  leave_editor
}
