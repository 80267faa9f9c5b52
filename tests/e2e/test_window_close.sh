#!/usr/bin/env bash
# The close button ends the program in order from any screen (exit 0, settings written); an editor with unsaved
# work asks first (No keeps it), and once nothing is unsaved closes without asking.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/tileeditor_lib.sh"

old_settings() { touch -d '2001-01-01' "$WORK/kwui2.ini"; }
settings_written() { [ "$(stat -c %Y "$WORK/kwui2.ini")" -gt 1000000000 ]; }   # written after 2001-09-09
# paint_pixel: the left button held on tile pixel 0,10 until it shows the drawing colour (white)
paint_pixel() {
  xdotool mousemove --window "$APP_WIN" "$(cell_x 0)" "$(cell_y 10)"; sleep 0.15
  xdotool mousedown 1
  wait_for "the button to paint tile pixel 0,10 white" 20 cell_is 0 10 "$WHITE"
  xdotool mouseup 1; sleep 0.2
}
# close_with_unsaved_pixel: the tile editor with one pixel painted, the window closed, its question up
close_with_unsaved_pixel() {
  old_settings
  start_editor
  paint_pixel
  close_window "$APP_WIN"
  wait_for "the question about the unsaved tile set" 20 editor_gone
  sleep 0.5
}
closed_in_order() {
  expect_exit 0 20
  settings_written || fail "kwui2.ini was not written on the way out ($1)"
  no_crash_report || fail "crash report ($1)"
}

tileed_workdir
dump_tile "$TILES" 0 "$WORK/before0.txt"
before=$(md5sum < "$TILES")
was=$(hex $(pixel_in "$WORK/before0.txt" 0 10))
[ "$was" != "$WHITE" ] || fail "tile 0 of the content pack has a white pixel at 0,10; the test needs another colour"

# [the main menu: closes at once] ---------------------------------------------
old_settings
start_menu
close_window "$APP_WIN"
closed_in_order "main menu"

# [the tile editor with an unsaved pixel: asks; No keeps it] -------------------
close_with_unsaved_pixel
app_running || fail "the program closed with unsaved changes without asking"
key Escape                                       # No
wait_for "the tile editor back after No" 20 editor_shown
cell_is 0 10 "$WHITE" || fail "No to the question lost the painted pixel"
focus_app   # once undone nothing is unsaved: closes without a question
key ctrl+z
wait_for "Ctrl+Z to take the pixel back" 20 cell_is 0 10 "$was"
close_window "$APP_WIN"
closed_in_order "tile editor after undo"
[ "$(md5sum < "$TILES")" = "$before" ] || fail "the tile set on disk changed"

# [Yes to the question closes; the file is left as it was] --------------------
close_with_unsaved_pixel
key Return                                       # Yes
closed_in_order "tile editor, Yes"
[ "$(md5sum < "$TILES")" = "$before" ] || fail "the tile set on disk changed"

# [a level being played: closes at once] ---------------------------------------
old_settings
rm -f "$WORK"/base/savegames/*.sav
start_menu
new_game
area_equals "$TITLE_BAR" "$menu" && fail "no level on screen after starting a game"
close_window "$APP_WIN"
closed_in_order "game"
pass
