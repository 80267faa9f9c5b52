#!/usr/bin/env bash
# A 41-line message scrolls in its 4-row list (keys and wheel); Enter closes
# it without reaching the screen underneath.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

start_host message
panel_y=$(( (600 - 8 * LINE_HEIGHT) / 2 ))
list_y=$(( panel_y + LINE_HEIGHT * 3 / 2 ))
list_h=$(( 4 * (LINE_HEIGHT + 1) ))

# The list's text area (left of its scroll bar) as an image.
grab_list() { import -window "$APP_WIN" -crop "500x${list_h}+85+${list_y}" +repage "$1" 2>/dev/null; }
same_image() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" = 0 ]; }

open_screen "Message"
sleep 0.3
grab_list "$WORK/top.png"

key Down Down Down Down Down Down
sleep 0.5
grab_list "$WORK/down.png"
same_image "$WORK/top.png" "$WORK/down.png" && fail "the arrow keys did not scroll the message"

xdotool mousemove --window "$APP_WIN" 300 $((list_y + 20))
sleep 0.2
for _ in 1 2 3 4 5 6 7 8 9 10; do xdotool click 4; sleep 0.05; done
sleep 0.5
grab_list "$WORK/back.png"
same_image "$WORK/top.png" "$WORK/back.png" || fail "the wheel did not scroll the message back to its top"

key Return
wait_line "message closed"
sleep 0.5
# Had the closing Enter reached the host, the message would be open again.
wait_pixel 400 $((panel_y + 5)) "$HOST_GREEN" "the host screen again"
app_running || fail "the host ended"
quit_host
pass
