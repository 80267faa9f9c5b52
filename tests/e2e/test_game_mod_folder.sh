#!/usr/bin/env bash
# A mod folder that replaces the first level's map: the main menu names the
# folder, and the replaced map is the one played.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"

make_workdir --copy-base
rm -f "$WORK"/base/savegames/*.sav
first=$(sed -n '/^\[map0\]/,/^\[/ s/^map=//p' "$WORK/base/game.ini")
second=$(sed -n '/^\[map1\]/,/^\[/ s/^map=//p' "$WORK/base/game.ini")
mkdir -p "$WORK/mods/maps"
cp "$WORK/base/maps/$second" "$WORK/mods/maps/$first"

# start_level [ARGS]: the main menu's mod line and title, then a new game in slot 1.
start_level() {
  start_at_main_menu "$@"
  mod_line=$(window_crop_sum "$MOD_LINE")
  new_game
}
# play_first_level [ARGS]: also level 1's field, then Escape and Exit.
play_first_level() {
  start_level "$@"
  field=$(window_crop_sum "$FIELD_TOP_RIGHT")
  key Escape
  sleep 1
  key Up Return   # Play -> Exit
  expect_exit 0
  rm -f "$WORK"/base/savegames/*.sav
}

play_first_level
base_mod_line=$mod_line
base_field=$field
play_first_level -base mods
[ "$mod_line" != "$base_mod_line" ] || fail "no 'Using mod folder' line on the main menu"
[ "$field" != "$base_field" ] || fail "level 1 looks the same: the mod's map was not played"

# A mod whose first map is not a map: the save names level 0, the game does not start and the menu shows why.
printf 'not a map at all' > "$WORK/mods/maps/$first"
start_level -base mods
[ "$(save_word "$WORK/base/savegames/000.sav" 22)" = 0 ] || fail "the save does not name level 0"
[ "$(window_crop_sum "$TITLE_BAR")" != "$menu_title" ] || fail "no message about the broken map"
key Return
wait_crop_equal "$TITLE_BAR" "$menu_title" 10 "the main menu after the message"
key Up Return
expect_exit 0
pass
