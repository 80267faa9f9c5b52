#!/usr/bin/env bash
# A well-formed hostile first map (65535 clouds, start far outside, time 0, cells past the tile set, a 30000-character
# title of format signs): the level shows with the clouds cut (and says so), Escape leaves, the map is unchanged.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/hostile_lib.sh"

make_workdir --copy-base
rm -f "$WORK"/base/savegames/*.sav
first=$(sed -n '/^\[map0\]/,/^\[/ s/^map=//p' "$WORK/base/game.ini")
map="$WORK/base/maps/$first"

title=$(for _ in $(seq 3750); do printf '%%s%%n%%d \\'; done)   # 8 characters a time: 30000
{
  printf '\x10\x00Sodbolt Map File\x03\x00'
  printf '\x30\x75%s' "$title"
  printf '\x00\x00'                          # no author
  printf '\x00\x00\xff\xff\xff\xff\xff\xff'  # time 0, 65535 clouds, start (65535, 65535)
  for _ in $(seq 200); do printf '\xff\xff\xff\x03'; done   # cells 65535 and 1023
} > "$map"
[ "$(stat -c %s "$map")" = $((2 + 16 + 2 + 2 + 30000 + 2 + 8 + 800)) ] || fail "the hostile map is $(stat -c %s "$map") bytes"
remember_content

start_app
menu_up
menu=$(window_crop_sum "$TITLE_BAR")
play_first_slot
wait_for "the message about the clouds" 20 grep -q "asks for 65535 clouds; 99 drift over it" "$WORK/stderr.txt"
# No time and no grass: the level still gets a second and is won at once; Space, Enter on the results (a par
# planned for a start far outside), then Escape leaves level 2.
sleep 2
key space
sleep 0.5
key Return
sleep 1
key Escape
wait_crop_equal "$TITLE_BAR" "$menu" 15 "the main menu after the level"
quit_from_main_menu
no_crash_report || fail "crash report with the hostile map"
content_unchanged
pass
