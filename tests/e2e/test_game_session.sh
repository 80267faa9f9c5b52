#!/usr/bin/env bash
# A player's session: a new game, driving, deleting the save, a save of a level not in the list; Controls rebinding
# Right to D, kept in sodbolt.ini; a pause when the window loses the focus; a mod folder replacing the first map.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"

make_workdir
rm -f "$WORK"/base/savegames/*.sav
SAVE="$WORK/base/savegames/000.sav"
# Slot 2 holds a level the maps list does not have (99).
printf '\x12\x00Sodbolt Saved Game\x01\x00\x63\x00\x01\x00' > "$WORK/base/savegames/001.sav"
RIGHT_ROW=260x30+62+190   # the label of the fourth row of a menu: Right
CLOCK=120x50+0+537        # the seconds left, bottom left
MOD_LINE=400x22+400+576   # bottom right, where the mod folder is named
# focus_elsewhere SECONDS: another window takes the keyboard focus and keeps it that long.
focus_elsewhere() { python3 "$E2E_DIR/x11.py" elsewhere "$1" & FOCUS_PID=$!; }
start_menu
base_mod_line=$(area_sum "$MOD_LINE")

# Escape on the main menu does nothing.
key Escape
sleep 0.5
app_running && area_equals "$TITLE_BAR" "$menu" || fail "Escape on the main menu ended the program or left the menu"

go Down Return   # Play: the selection starts on Exit
sleep 0.3
empty_slot_row=$(area_sum "$FIRST_ROW")
go Down Return
key Down Down Return   # Back -> Easy -> Normal
wait_for "the save file" 20 test -s "$SAVE"
[ "$(save_word "$SAVE" 22)" = 0 ] || fail "saved level $(save_word "$SAVE" 22), expected 0"
[ "$(save_word "$SAVE" 24)" = 1 ] || fail "saved skill $(save_word "$SAVE" 24), expected 1 (Normal)"

# Driving: the field changes and the percentage rises.
sleep 1.5
shot
field_before=$(crop_sum "$FIELD")
base_field=$(crop_sum "$FIELD_TOP_RIGHT")
level_before=$(crop_sum "$LEVEL_LINE")
sleep 1
[ "$(area_sum "$LEVEL_LINE")" = "$level_before" ] || fail "the percentage moved without driving"
xdotool keydown Right; sleep 0.8; xdotool keyup Right
xdotool keydown Down; sleep 0.6; xdotool keyup Down
sleep 0.3
shot
[ "$(crop_sum "$FIELD")" != "$field_before" ] || fail "the mower did not move"
[ "$(crop_sum "$LEVEL_LINE")" != "$level_before" ] || fail "the percentage did not change"

# Escape: back to the menu; the slot now names the level.
key Escape
back_at_menu "Escape"
go Return
[ "$(area_sum "$FIRST_ROW")" != "$empty_slot_row" ] || fail "slot 1 still reads as empty"

# Options, Delete Saved Game, slot 1, Yes (a won level's progress: test_game_records).
key Escape
back_at_menu "Play"
delete_first_slot
wait_for "the save file to go" 10 test ! -e "$SAVE"
key Escape
back_at_menu "Options"
go Up Return          # Options -> Play
[ "$(area_sum "$FIRST_ROW")" = "$empty_slot_row" ] || fail "slot 1 does not read (empty slot) after deleting"
key Escape
back_at_menu "that"

# Slot 2's saved level is not in the list: the game does not start, the menu says why.
go Return                # Play
go Down Down Return      # Back -> slot 2
go Return                # Continue
[ "$(area_sum "$TITLE_BAR")" != "$menu" ] || fail "no message for a level outside the list"
key Return
back_at_menu "the message"
[ "$(save_word "$WORK/base/savegames/001.sav" 22)" = 99 ] || fail "the bad save was rewritten"

# Options > Controls: Right rebound to D; in a level D drives and the arrow no longer does.
go Down Return           # Play -> Options
go Up Return             # Delete Saved Game (where the options menu was left) -> Controls
key Down Down Down Down  # Back -> Up -> Down -> Left -> Right
sleep 0.3
right_row=$(area_sum "$RIGHT_ROW")
key Return
sleep 0.4
key d
wait_change "$RIGHT_ROW" "$right_row" "Right to read D" 5
key Escape
sleep 0.5
key Escape
back_at_menu "Options"

go Up Return             # Options -> Play
go Down Return           # Back -> slot 1
key Down Down Return     # Back -> Easy -> Normal
wait_for "the save file" 20 test -s "$SAVE"
sleep 1.5
level_before=$(area_sum "$LEVEL_LINE")
xdotool keydown Right; sleep 0.8; xdotool keyup Right
sleep 0.3
[ "$(area_sum "$LEVEL_LINE")" = "$level_before" ] || fail "the Right arrow still drives"
xdotool keydown d; sleep 0.8; xdotool keyup d
xdotool keydown Down; sleep 0.6; xdotool keyup Down
sleep 0.3
[ "$(area_sum "$LEVEL_LINE")" != "$level_before" ] || fail "D did not drive the mower"

clock=$(area_sum "$CLOCK")
wait_change "$CLOCK" "$clock" "the clock to run" 5
playing=$(area_sum "$OVERLAY_SPOT")
focus_elsewhere 6
wait_change "$OVERLAY_SPOT" "$playing" "the pause picture" 10
# A second that was ending as the focus went may still be drawn: the clock must first hold still for a second.
clock_still() { local seen; seen=$(area_sum "$CLOCK"); sleep 1; paused_clock=$(area_sum "$CLOCK"); [ "$seen" = "$paused_clock" ]; }
wait_for "the clock to stop" 6 clock_still
sleep 2.5
[ "$(area_sum "$CLOCK")" = "$paused_clock" ] || fail "the clock ran on with the window in the background"
wait "$FOCUS_PID" || true
focus_app   # back in front, Space carries on and the clock runs again
sleep 0.3
key space
wait_change "$CLOCK" "$paused_clock" "the clock to run again" 5
key Escape
back_at_menu "the level"
key Up Return            # Play -> Exit
expect_exit 0
grep -A8 '^\[controls\]' "$WORK/sodbolt.ini" | grep -qi '^right *= *d$' || fail "sodbolt.ini: $(cat "$WORK/sodbolt.ini")"

# A mod folder with the second map as the first: the main menu names the folder, and the mod's map is played.
first=$(sed -n '/^\[map0\]/,/^\[/ s/^map=//p' "$WORK/base/game.ini")
second=$(sed -n '/^\[map1\]/,/^\[/ s/^map=//p' "$WORK/base/game.ini")
mkdir -p "$WORK/mods/maps"
cp "$WORK/base/maps/$second" "$WORK/mods/maps/$first"
rm -f "$WORK"/base/savegames/*.sav
start_menu -base mods
[ "$(area_sum "$MOD_LINE")" != "$base_mod_line" ] || fail "no 'Using mod folder' line on the main menu"
new_game
[ "$(area_sum "$FIELD_TOP_RIGHT")" != "$base_field" ] || fail "level 1 looks the same: the mod's map was not played"
key Escape
back_at_menu "the mod's level"
key Up Return
expect_exit 0
# A mod whose first map is not a map: the save names level 0, the game does not start and the menu shows why.
printf 'not a map at all' > "$WORK/mods/maps/$first"
rm -f "$WORK"/base/savegames/*.sav
start_menu -base mods
new_game
[ "$(save_word "$SAVE" 22)" = 0 ] || fail "the save does not name level 0"
[ "$(area_sum "$TITLE_BAR")" != "$menu" ] || fail "no message about the broken map"
key Return
back_at_menu "the message"
key Up Return
expect_exit 0
pass
