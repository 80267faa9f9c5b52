#!/usr/bin/env bash
# After a change of display mode the audio panel keeps its layout and draws its status into the new display.
source "$(dirname "$0")/lib.sh" "$@"

tiny_workdir
printf '[video]\nwidth=800\nheight=600\nwindow=True\n' > "$WORK/kwui2.ini"

STATUS_FILL="#001400"

start_app
wait_window
open_screen "Audio Panel"   # seen once in the first display
wait_for "the status display" 15 pixel_is 600 385 "$STATUS_FILL"
key Escape
wait_for "the panel to close" 15 panel_gone

# Options: Video Options; the first listed mode, in a window.
open_screen "Video Options"   # the "Select Display Mode" dialog
xdotool mousemove --window "$APP_WIN" 100 517; sleep 0.2
xdotool mousedown 1; sleep 0.08; xdotool mouseup 1; sleep 0.3
pointer_home
key Return
sleep 2
wait_window
size_now() { [ "$(window_size "$APP_WIN")" != "800x600" ]; }
wait_for "the new display" 15 size_now
pointer_home
# The two messages about the change.
key Return
sleep 0.5
key Return
sleep 0.5
app_running || fail "the program ended after the mode change"

# Options: Audio Panel again; the layout is the one of the first display.
pointer_home
key Up; key Return
wait_for "the audio panel in the new display" 15 panel_shown
wait_for "the status display in the new display" 15 pixel_is 600 385 "$STATUS_FILL"
key Escape
wait_for "the panel to close" 15 panel_gone
quit_from_options
pass
