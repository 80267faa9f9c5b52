# The game's tests: parts of an 800 x 600 screen, the way into a level and the save file's numbers.

FIRST_ROW=300x34+20+68        # the first item row of a menu
LEVEL_LINE=300x26+498+572     # the right end of the level line (percentage), below the Audio Panel button
FIELD=800x500+0+0             # the play area
FIELD_TOP_RIGHT=380x220+420+0 # play area away from level 1's mower and the console
OVERLAY_SPOT=200x100+300+250  # the middle of the screen

# save_word FILE OFFSET: a little-endian 16-bit number of a save file.
save_word() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
# play_first_slot: Play -> slot 1 -> Normal from the main menu (on Exit).
play_first_slot() { go Down Return; go Down Return; key Down Down Return; }
# new_game [SAVE]: play_first_slot, then the level under way once the new game's save file is written.
new_game() { play_first_slot; wait_for "the new game's save file" 20 test -s "${1:-$WORK/base/savegames/000.sav}"; sleep 1.5; }
# delete_first_slot: from the main menu on Play, Options -> Delete Saved Game -> slot 1 -> Yes.
delete_first_slot() {
  go Down Return   # Play -> Options
  go Up Return     # Back -> Delete Saved Game
  go Down Return   # Back -> slot 1
  key Return       # Yes
}
