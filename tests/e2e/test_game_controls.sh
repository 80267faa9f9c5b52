#!/usr/bin/env bash
# Options > Controls: Right rebound to D; in a level D drives the mower and the arrow no longer does; the key is in
# sodbolt.ini after Exit. The level pauses when its window loses the keyboard focus: the pause picture shows, the
# clock stops and stays stopped until Space, then runs on. (Alt+Enter switches full screen: test_fullscreen_toggle.)
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"

make_workdir --copy-base
rm -f "$WORK"/base/savegames/*.sav
RIGHT_ROW=260x30+62+190   # the label of the fourth row of a menu: Right
CLOCK=120x50+0+537        # the seconds left, bottom left
# focus_elsewhere SECONDS: another window takes the keyboard focus and keeps it that long.
focus_elsewhere() { python3 "$E2E_DIR/x11.py" elsewhere "$1" & FOCUS_PID=$!; }


start_at_main_menu

go Down Down Return      # Exit -> Play -> Options
go Up Up Return          # Back -> Delete Saved Game -> Controls
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
wait_for "the save file" 20 test -s "$WORK/base/savegames/000.sav"
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
