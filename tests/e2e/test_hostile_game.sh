#!/usr/bin/env bash
# Well-formed hostile game content (sound names too long, a map of extreme numbers, music names of 5000 characters):
# the game says what is wrong, goes on, and changes no content file. (WAVs that are no sounds: unit tests.)
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/hostile_lib.sh"
hostile_workdir

# [Sounds: a name too long is skipped and named, the rest loads, the menu runs with its sounds] -
sound="$WORK/base/sound"
some_wav=$(find "$sound/interface" -iname '*.wav' | head -n1)
[ -n "$some_wav" ] || fail "no interface sound in base/sound"
long_folder=$(head -c 200 /dev/zero | tr '\0' 'f')
long_file=$(head -c 120 /dev/zero | tr '\0' 'n')
mkdir -p "$sound/$long_folder"
cp "$some_wav" "$sound/$long_folder/$long_file.wav"
# "interface/" + 241 + ".wav": 255 characters, the longest that fits.
near_limit=$(head -c 241 /dev/zero | tr '\0' 'k')
cp "$some_wav" "$sound/interface/$near_limit.wav"
start_checked
grep -q "Skipped .*base/sound/$long_folder/$long_file.wav: its sound name is too long" "$WORK/stderr.txt" ||
  fail "no message about the name too long"
grep -q "$near_limit" "$WORK/stderr.txt" && fail "the name that just fits was refused"
key Up Down Up Down
sleep 0.5
grep -q 'No such sound number' "$WORK/stderr.txt" && fail "menu sounds went missing"
end_checked "the hostile sound folder"

# [The first map: the level shows with the clouds cut (and says so), Escape leaves] -
restore_base
map="$WORK/base/maps/$(sed -n '/^\[map0\]/,/^\[/ s/^map=//p' "$WORK/base/game.ini")"
title=$(for _ in $(seq 3750); do printf '%%s%%n%%d \\'; done)   # 8 characters a time: 30000
{
  printf '\x10\x00Sodbolt Map File\x03\x00'
  printf '\x30\x75%s' "$title"
  printf '\x00\x00'                          # no author
  printf '\x00\x00\xff\xff\xff\xff\xff\xff'  # time 0, 65535 clouds, start (65535, 65535)
  for _ in $(seq 200); do printf '\xff\xff\xff\x03'; done   # cells 65535 and 1023
} > "$map"
start_checked
play_first_slot
wait_said "asks for 65535 clouds; 99 drift over it"
# No time and no grass: the level still gets a second and is won at once; Space, Enter on the results (a par
# planned for a start far outside), then Escape leaves level 2.
sleep 2
key space
sleep 0.5
key Return
sleep 1
key Escape
back_at_menu "the level"
end_checked "the hostile map"
rm -f "$WORK"/base/savegames/*.sav

# [Music names of 5000 characters (menu, level) are reported; the level still plays] -
restore_base
long_name=$(head -c 5000 /dev/zero | tr '\0' 'q')
printf '[music]\nMenuMusic=%s\nCreditsMusic=%s\n[info]\nMapsCount=1\n[map0]\nmap=level01.map\nmusic=%s\n' \
  "$long_name" "$long_name" "$long_name" > "$WORK/base/game.ini"
start_checked
said "Unable to load music from base/${long_name:0:200}" || fail "no message about the menu music"
new_game
wait_said "Unable to load music from base/music/${long_name:0:200}"
key Left
sleep 1
app_running || fail "the program ended in the level"
key Escape
back_at_menu "the level"
end_checked "5000-character music names"
pass
