# Helpers for the game's end-to-end tests: window crops to compare screens,
# the way into a level and the save file's numbers. Source after lib.sh.

shot() { import -window "$APP_WIN" "$1" 2>/dev/null; }
# crop_sum FILE GEOMETRY: a checksum of the pixels in that part of a shot.
crop_sum() { convert "$1" -crop "$2" +repage rgb:- | md5sum | cut -d' ' -f1; }
window_crop_sum() { shot "$WORK/now.png"; crop_sum "$WORK/now.png" "$1"; }
crop_differs() { [ "$(window_crop_sum "$1")" != "$2" ]; }
crop_equals() { [ "$(window_crop_sum "$1")" = "$2" ]; }
# wait_crop_change / wait_crop_equal GEOMETRY SUM SECONDS WHAT
wait_crop_change() { wait_for "$4" "$3" crop_differs "$1" "$2"; }
wait_crop_equal() { wait_for "$4" "$3" crop_equals "$1" "$2"; }

# save_word FILE OFFSET: a little-endian 16-bit number of a save file.
save_word() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }

# go KEYS...: the keys, then a wait until the title bar shows another menu or screen.
go() {
  local before; before=$(area_sum "$TITLE_BAR")
  key "$@"
  wait_for "the screen after $*" 15 area_differs "$TITLE_BAR" "$before"
}
# play_first_slot: Play -> slot 1 -> Normal from the main menu (on Exit).
play_first_slot() { go Down Return; go Down Return; key Down Down Return; }

# new_game [SAVE]: play_first_slot, then the level under way once the new game's save file is written.
new_game() { play_first_slot; wait_for "the new game's save file" 20 test -s "${1:-$WORK/base/savegames/000.sav}"; sleep 1.5; }

# Parts of an 800 x 600 screen.
TITLE_BAR=780x40+10+10        # the menu's title and web line
FIRST_ROW=300x34+20+68        # the first item row of a menu
LEVEL_LINE=300x26+498+572     # the right end of the level line (percentage), below the Audio Panel button
FIELD=800x500+0+0             # the play area
FIELD_TOP_RIGHT=380x220+420+0 # play area away from level 1's mower and the console
OVERLAY_SPOT=200x100+300+250  # the middle of the screen
MOD_LINE=400x22+400+576       # bottom right, where the mod folder is named

# start_at_main_menu [ARGS]: starts the program and waits for the main menu; the title bar's checksum goes to menu_title.
start_at_main_menu() {
  start_app "$@"
  wait_window
  focus_app
  wait_for "the main menu" 20 crop_differs "$TITLE_BAR" "$(convert -size 780x40 xc:black rgb:- | md5sum | cut -d' ' -f1)"
  sleep 0.5
  menu_title=$(window_crop_sum "$TITLE_BAR")
}
# delete_first_slot: from the main menu on Play, Options -> Delete Saved Game -> slot 1 -> Yes.
delete_first_slot() {
  go Down Return   # Play -> Options
  go Up Return     # Back -> Delete Saved Game
  go Down Return   # Back -> slot 1
  key Return       # Yes
}
