#!/usr/bin/env bash
# F11 and Alt+Enter switch full screen (scaled to fit, choosing nothing), kept in kwui2.ini for the next start;
# Sharp pixels in Video Options shows the screens at a whole-number scale, unblurred.
source "$(dirname "$0")/lib.sh" "$@"

make_workdir
start_menu

full_screen() { [ "$(window_size "$APP_WIN")" = 1280x1024 ]; }
windowed() { [ "$(window_size "$APP_WIN")" = 800x600 ]; }
# 800 x 600 scaled to 1280 x 960: black bands of 32 rows above and below, the menu's top bar below the band.
scaled_menu() { pixel_is 640 10 "#000000" && pixel_is 640 1015 "#000000" && pixel_not 1270 60 "#000000"; }
ini_says() { grep -qx "$1" "$WORK/kwui2.ini" || fail "kwui2.ini lacks $1: $(cat "$WORK/kwui2.ini")"; }

key F11
wait_for "the window to cover the screen" 15 full_screen
focus_app
wait_for "the menu scaled into the screen" 15 scaled_menu

key alt+Return
wait_for "the window back at its size" 15 windowed
sleep 1
app_running || fail "Alt+Enter also chose the main menu's entry"
focus_app
wait_for "the menu" 15 menu_drawn
ini_says 'window=True'

key F11
wait_for "the window to cover the screen again" 15 full_screen
focus_app
# Exit with the pointer in the scaled picture: the menu's Exit row, x 100 and y EXIT_ROW_Y in its own pixels.
xdotool mousemove --window "$APP_WIN" 160 $((32 + EXIT_ROW_Y * 8 / 5)); sleep 0.4
xdotool mousemove --window "$APP_WIN" 8 $((32 + EXIT_ROW_Y * 8 / 5)); sleep 0.2
key Return
expect_exit 0 30
ini_says 'window=False'
ini_says 'fullscreenwindow=True'

# The next start grows the window over the screen again, and F11 still brings the window back.
start_app
wait_window
wait_for "the window to cover the screen at start" 30 full_screen
focus_app
wait_for "the menu scaled into the screen" 30 scaled_menu
key F11
wait_for "the window back at its size" 15 windowed
focus_app
wait_for "the menu" 15 menu_drawn
key Return
expect_exit 0 30
ini_says 'window=True'
ini_says 'fullscreenwindow=False'

# Sharp pixels from Video Options, in full screen: 800 x 600 fits once, centred at (240, 212); Cancel keeps it.
printf '[video]\nwidth=800\nheight=600\nwindow=True\n' > "$WORK/kwui2.ini"
start_menu
key F11
wait_for "the window to cover the screen" 15 full_screen
focus_app
wait_for "the menu scaled into the screen" 15 scaled_menu
key Down Down Return
sleep 1
key Down Down Return
# the dialog's title bar at (400, 65), 1.6 times larger 32 rows down
wait_for "the Select Display Mode dialog" 15 pixel_is 640 136 "$TITLE_BLUE"
# Sharp pixels, the box left of Cancel (228, 517 in the screen's pixels), acts at once: the dialog unscaled.
xdotool mousemove --window "$APP_WIN" 365 859; sleep 0.2
xdotool mousedown 1; sleep 0.08; xdotool mouseup 1; sleep 0.3
xdotool mousemove --window "$APP_WIN" 5 5; sleep 0.2
unscaled_dialog() { pixel_is 100 500 "#000000" && pixel_is 640 100 "#000000" && pixel_is 640 277 "$TITLE_BLUE"; }
wait_for "the dialog unscaled in the middle" 15 unscaled_dialog
key Escape
full_screen || fail "Cancel changed the display: $(window_size "$APP_WIN")"
key Escape; key Up; key Up; key Return
expect_exit 0 30
ini_says 'sharppixels=True'
ini_says 'window=False'

# 600 x 480 fits twice: 1200 x 960 at (40, 32), where the smooth fit fills the screen.
printf '[video]\nwidth=600\nheight=480\nwindow=True\nsharppixels=True\n' > "$WORK/kwui2.ini"
start_app
wait_window
focus_app
sleep 1
key alt+Return
wait_for "the window to cover the screen" 15 full_screen
doubled_menu() { pixel_is 20 500 "#000000" && pixel_is 640 16 "#000000" && pixel_not 640 500 "#000000"; }
focus_app
wait_for "the menu twice its size in black" 15 doubled_menu
shot
# unblurred: every 2 x 2 block of the picture is one colour, so halving and doubling it changes nothing
convert "ppm:$SHOT" -crop 1200x960+40+32 +repage "$WORK/picture.png"
convert "$WORK/picture.png" -sample 50% -sample 200% "$WORK/blocks.png"
differing=$(compare -metric AE "$WORK/picture.png" "$WORK/blocks.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels of the doubled picture are blurred"
key Return
expect_exit 0 30
pass
