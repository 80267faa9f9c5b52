#!/usr/bin/env bash
# After a change of display mode the audio panel keeps its layout and draws
# its music status into the new display, and the program goes on running.
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$WORK/base"
for image in inter_LevelComplete inter_OutOfTime inter_Paused; do
  convert -size 16x16 xc:red "$WORK/base/$image.tga"
done
convert -size 800x600 xc:'#204020' "$WORK/base/menuback.tga"
ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"
printf '[video]\nwidth=800\nheight=600\nwindow=True\n' > "$WORK/kwui2.ini"

STATUS_FILL="#001400"
rest_pointer() { xdotool mousemove --window "$APP_WIN" 5 5; sleep 0.2; }

start_app
wait_window
sleep 1
rest_pointer
# Main menu: Options; Options: Audio Panel, to see it once in the first display.
key Down; key Down; key Return
key Down; key Return
wait_for "the audio panel" 15 pixel_is 400 70 "$TITLE_BLUE"
wait_for "the status display" 15 pixel_is 600 385 "$STATUS_FILL"
key Escape
wait_for "the panel to close" 15 pixel_not 400 70 "$TITLE_BLUE"

# Options: Video Options; the first listed mode, in a window.
rest_pointer
key Down; key Return
wait_for "Select Display Mode" 15 pixel_is 400 65 "$TITLE_BLUE"
xdotool mousemove --window "$APP_WIN" 100 517; sleep 0.2
xdotool mousedown 1; sleep 0.08; xdotool mouseup 1; sleep 0.3
rest_pointer
key Return
sleep 2
wait_window
size_now() { [ "$(window_size "$APP_WIN")" != "800x600" ]; }
wait_for "the new display" 15 size_now
rest_pointer
# The two messages about the change.
key Return
sleep 0.5
key Return
sleep 0.5
app_running || fail "the program ended after the mode change"

# Options: Audio Panel again; the layout is the one of the first display.
rest_pointer
key Up; key Return
wait_for "the audio panel in the new display" 15 pixel_is 400 70 "$TITLE_BLUE"
wait_for "the status display in the new display" 15 pixel_is 600 385 "$STATUS_FILL"
screenshot "$WORK/after_change.png"
key Escape
wait_for "the panel to close" 15 pixel_not 400 70 "$TITLE_BLUE"
rest_pointer
key Escape; key Up; key Up; key Return
expect_exit 0
pass
