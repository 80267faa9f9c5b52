#!/usr/bin/env bash
# A player's session: a new game, driving, continuing, winning, deleting the save, a save of a level not in the
# list; Controls rebinding Right to D, kept in sodbolt.ini; the level pauses when the window loses the focus.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"

make_workdir --copy-base
rm -f "$WORK"/base/savegames/*.sav
SAVE="$WORK/base/savegames/000.sav"
# Slot 2 holds a level the maps list does not have (99).
printf '\x12\x00Sodbolt Saved Game\x01\x00\x63\x00\x01\x00' > "$WORK/base/savegames/001.sav"
RIGHT_ROW=260x30+62+190   # the label of the fourth row of a menu: Right
CLOCK=120x50+0+537        # the seconds left, bottom left
# focus_elsewhere SECONDS: another window takes the keyboard focus and keeps it that long.
focus_elsewhere() { python3 "$E2E_DIR/x11.py" elsewhere "$1" & FOCUS_PID=$!; }
start_at_main_menu

# Escape on the main menu does nothing.
key Escape
sleep 0.5
app_running || fail "Escape on the main menu ended the program"
[ "$(window_crop_sum "$TITLE_BAR")" = "$menu_title" ] || fail "Escape on the main menu left it"

# Play: the selection starts on Exit, so Down reaches Play.
go Down Return
sleep 0.3
empty_slot_row=$(window_crop_sum "$FIRST_ROW")
go Down Return
key Down Down Return   # Back -> Easy -> Normal
wait_for "the save file" 20 test -s "$SAVE"
[ "$(save_word "$SAVE" 22)" = 0 ] || fail "saved level $(save_word "$SAVE" 22), expected 0"
[ "$(save_word "$SAVE" 24)" = 1 ] || fail "saved skill $(save_word "$SAVE" 24), expected 1 (Normal)"

# Driving: the field changes and the percentage rises.
sleep 1.5
shot "$WORK/level_before.png"
field_before=$(crop_sum "$WORK/level_before.png" "$FIELD")
level_before=$(crop_sum "$WORK/level_before.png" "$LEVEL_LINE")
sleep 1
[ "$(window_crop_sum "$LEVEL_LINE")" = "$level_before" ] || fail "the percentage moved without driving"
xdotool keydown Right; sleep 0.8; xdotool keyup Right
xdotool keydown Down; sleep 0.6; xdotool keyup Down
sleep 0.3
shot "$WORK/level_after.png"
[ "$(crop_sum "$WORK/level_after.png" "$FIELD")" != "$field_before" ] || fail "the mower did not move"
[ "$(crop_sum "$WORK/level_after.png" "$LEVEL_LINE")" != "$level_before" ] || fail "the percentage did not change"

# Escape: back to the menu; the slot now names the level.
key Escape
wait_crop_equal "$TITLE_BAR" "$menu_title" 10 "the main menu after Escape"
go Return
[ "$(window_crop_sum "$FIRST_ROW")" != "$empty_slot_row" ] || fail "slot 1 still reads as empty"

# Continue in slot 1: level 1 again; the chord wins it.
go Down Return
go Return             # Continue
sleep 1.5
shot "$WORK/level1.png"
before_chord=$(crop_sum "$WORK/level1.png" "$OVERLAY_SPOT")
xdotool keydown j keydown q keydown z; sleep 0.4; xdotool keyup j keyup q keyup z
wait_crop_change "$OVERLAY_SPOT" "$before_chord" 10 "the level-complete picture"
key space
sleep 1
key Return            # the results
wait_for "level 2 in the save file" 20 test "$(save_word "$SAVE" 22)" = 1
sleep 1
key Escape
wait_crop_equal "$TITLE_BAR" "$menu_title" 10 "the main menu after level 2"

# Options, Delete Saved Game, slot 1, Yes.
delete_first_slot
wait_for "the save file to go" 10 test ! -e "$SAVE"
key Escape
wait_crop_equal "$TITLE_BAR" "$menu_title" 10 "the main menu after Options"
go Up Return          # Options -> Play
[ "$(window_crop_sum "$FIRST_ROW")" = "$empty_slot_row" ] || fail "slot 1 does not read (empty slot) after deleting"
key Escape
wait_crop_equal "$TITLE_BAR" "$menu_title" 10 "the main menu"

# Slot 2's saved level is not in the list: the game does not start, the menu says why.
go Return                # Play
go Down Down Return      # Back -> slot 2
go Return                # Continue
[ "$(window_crop_sum "$TITLE_BAR")" != "$menu_title" ] || fail "no message for a level outside the list"
key Return
wait_crop_equal "$TITLE_BAR" "$menu_title" 10 "the main menu after the message"
[ "$(save_word "$WORK/base/savegames/001.sav" 22)" = 99 ] || fail "the bad save was rewritten"

# Options > Controls: Right rebound to D (Escape cancels first); in a level D drives and the arrow no longer does.
go Down Return           # Play -> Options
go Up Return             # Delete Saved Game (where the options menu was left) -> Controls
key Down Down Down Down  # Back -> Up -> Down -> Left -> Right
sleep 0.3
right_row=$(window_crop_sum "$RIGHT_ROW")
key Return
sleep 0.4
key Escape               # cancelled: Right keeps its key
sleep 0.4
[ "$(window_crop_sum "$RIGHT_ROW")" = "$right_row" ] || fail "Escape did not leave Right as it was"
key Return
sleep 0.4
key d
wait_crop_change "$RIGHT_ROW" "$right_row" 5 "Right to read D"
key Escape
sleep 0.5
key Escape
wait_crop_equal "$TITLE_BAR" "$menu_title" 10 "the main menu after Options"

go Up Return             # Options -> Play
go Down Return           # Back -> slot 1
key Down Down Return     # Back -> Easy -> Normal
wait_for "the save file" 20 test -s "$SAVE"
sleep 1.5
level_before=$(window_crop_sum "$LEVEL_LINE")
xdotool keydown Right; sleep 0.8; xdotool keyup Right
sleep 0.3
[ "$(window_crop_sum "$LEVEL_LINE")" = "$level_before" ] || fail "the Right arrow still drives"
xdotool keydown d; sleep 0.8; xdotool keyup d
xdotool keydown Down; sleep 0.6; xdotool keyup Down
sleep 0.3
[ "$(window_crop_sum "$LEVEL_LINE")" != "$level_before" ] || fail "D did not drive the mower"

clock=$(window_crop_sum "$CLOCK")
wait_crop_change "$CLOCK" "$clock" 5 "the clock to run"
playing=$(window_crop_sum "$OVERLAY_SPOT")
focus_elsewhere 6
wait_crop_change "$OVERLAY_SPOT" "$playing" 10 "the pause picture"
sleep 0.5   # a second that was ending as the focus went may still be drawn
paused_clock=$(window_crop_sum "$CLOCK")
sleep 2.5
[ "$(window_crop_sum "$CLOCK")" = "$paused_clock" ] || fail "the clock ran on with the window in the background"
wait "$FOCUS_PID" || true
# Back in front, Space carries on and the clock runs again.
focus_app
sleep 0.3
key space
wait_crop_change "$CLOCK" "$paused_clock" 5 "the clock to run again"
key Escape
wait_crop_equal "$TITLE_BAR" "$menu_title" 10 "the main menu after the level"
key Up Return            # Play -> Exit
expect_exit 0
grep -A8 '^\[controls\]' "$WORK/sodbolt.ini" | grep -qi '^right *= *d$' || fail "sodbolt.ini: $(cat "$WORK/sodbolt.ini")"
pass
