#!/usr/bin/env bash
# F11 and Alt+Enter put the window over the whole screen and back, on the main menu, with the menu scaled to fit
# (black bands above and below) and Alt+Enter choosing nothing; kwui2.ini keeps full screen after Exit.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/hostile_lib.sh"

make_workdir
start_app
wait_window
focus_app
wait_for "the menu" 30 menu_bars_drawn
screenshot "$WORK/windowed.png"

full_screen() { [ "$(window_size "$APP_WIN")" = 1280x1024 ]; }
windowed() { [ "$(window_size "$APP_WIN")" = 800x600 ]; }
# 800 x 600 scaled to 1280 x 960: black bands of 32 rows above and below, the menu's top bar (drawn from row 8)
# below the band.
scaled_menu() { pixel_is 640 10 "#000000" && pixel_is 640 1015 "#000000" && pixel_not 1270 60 "#000000"; }

key F11
wait_for "the window to cover the screen" 15 full_screen
focus_app
wait_for "the menu scaled into the screen" 15 scaled_menu
screenshot "$WORK/fullscreen.png"

key alt+Return
wait_for "the window back at its size" 15 windowed
sleep 1
app_running || fail "Alt+Enter also chose the main menu's entry"
focus_app
wait_for "the menu" 15 menu_bars_drawn
grep -qx 'window=True' "$WORK/kwui2.ini" || fail "kwui2.ini changed before Exit"

key F11
wait_for "the window to cover the screen again" 15 full_screen
focus_app
# Exit with the pointer in the scaled picture: the menu's Exit row, x 100 and y EXIT_ROW_Y in its own pixels.
xdotool mousemove --window "$APP_WIN" 160 $((32 + EXIT_ROW_Y * 8 / 5)); sleep 0.4
xdotool mousemove --window "$APP_WIN" 8 $((32 + EXIT_ROW_Y * 8 / 5)); sleep 0.2
key Return
expect_exit 0 30
grep -qx 'window=False' "$WORK/kwui2.ini" || fail "kwui2.ini does not say full screen: $(cat "$WORK/kwui2.ini")"
grep -qx 'width=800' "$WORK/kwui2.ini" || fail "kwui2.ini lost the screen size: $(cat "$WORK/kwui2.ini")"
pass
