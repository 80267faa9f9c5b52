#!/usr/bin/env bash
# A game.ini with MapsCount 30000 and no level sections, then music names of 5000 characters: the game says what is
# wrong, the menus come back, and no content file changes.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/hostile_lib.sh"

make_workdir --copy-base
rm -f "$WORK"/base/savegames/*.sav
long_name=$(head -c 5000 /dev/zero | tr '\0' 'q')

# Every entry names "maps/" alone: the game does not start and the message names the map.
printf '[info]\nMapsCount=30000\n' > "$WORK/base/game.ini"
remember_content
start_app
menu_up
menu=$(window_crop_sum "$TITLE_BAR")
play_first_slot
wait_for "the message about the level" 30 grep -q 'maps/' "$WORK/stderr.txt"
sleep 1
[ "$(window_crop_sum "$TITLE_BAR")" != "$menu" ] || fail "no message dialog over the menu"
key Return
wait_crop_equal "$TITLE_BAR" "$menu" 15 "the main menu after the message"
# The menu is on Play: one up is Exit.
key Up
quit_from_main_menu
no_crash_report || fail "crash report with MapsCount 30000"
content_unchanged
rm -f "$WORK"/base/savegames/*.sav

# Each long music name (menu, credits, level) is reported as music that cannot load; the level still plays.
printf '[music]\nMenuMusic=%s\nCreditsMusic=%s\n[info]\nMapsCount=1\n[map0]\nmap=level01.map\nmusic=%s\n' \
  "$long_name" "$long_name" "$long_name" > "$WORK/base/game.ini"
remember_content
start_app
menu_up
grep -q "Unable to load music from base/${long_name:0:200}" "$WORK/stderr.txt" || fail "no message about the menu music"
play_first_slot
wait_for "the save file" 20 test -s "$WORK/base/savegames/000.sav"
wait_for "the message about the level music" 20 grep -q "Unable to load music from base/music/${long_name:0:200}" "$WORK/stderr.txt"
sleep 1.5
key Left
sleep 1
app_running || fail "the program ended in the level"
key Escape
sleep 1.5
# Back on the main menu (on Play): Credits is four down, Escape leaves them.
key Down Down Down Down Return
sleep 2
app_running || fail "the program ended in the credits"
[ "$(grep -c "Unable to load music from base/${long_name:0:200}" "$WORK/stderr.txt")" -ge 2 ] ||
  fail "no message about the credits music"
key Escape
sleep 1
key Down
quit_from_main_menu
no_crash_report || fail "crash report with 5000-character music names"
content_unchanged
pass
