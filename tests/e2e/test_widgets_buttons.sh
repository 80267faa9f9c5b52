#!/usr/bin/env bash
# Gallery buttons: a click reports one click, press-move-off-release none; a hot key fires once per key character;
# two toolbar buttons with the same hot key give the lower index.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/gallery_lib.sh"
start_gallery

press() { xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.15; xdotool mousedown 1; sleep 0.15; }
release() { xdotool mouseup 1; sleep 0.2; }
rest_pointer() { xdotool mousemove --window "$APP_WIN" 700 560; sleep 0.15; }

read -r bx by bw bh <<<"$(rect clickme)"
cx=$((bx + bw / 2)); cy=$((by + bh / 2))

# press on the button, move off, release elsewhere: no click
press "$cx" "$cy"
xdotool mousemove --window "$APP_WIN" 700 560; sleep 0.2
release
sleep 0.3
[ "$(count '^click Click me')" = 0 ] || fail "press, move off and release clicked the button"

# an ordinary click: exactly one
press "$cx" "$cy"
release
rest_pointer
wait_for "the click to be reported" 5 grep -q '^click Click me' "$LOG"
sleep 0.3
[ "$(count '^click Click me')" = 1 ] || fail "one click reported $(count '^click Click me') clicks"

# the hot key (F2) fires once per key character
clicks_are() { [ "$(count '^click Click me')" = "$1" ]; }
key F2
wait_for "F2 to click" 5 clicks_are 2
sleep 0.5
clicks_are 2 || fail "one F2 gave $(( $(count '^click Click me') - 1 )) clicks"
key F2 F2
wait_for "two more F2 clicks" 5 clicks_are 4
sleep 0.5
clicks_are 4 || fail "two F2 presses gave $(( $(count '^click Click me') - 2 )) clicks"

# "Go A" (index 4) and "Go B" (index 5) share the hot key F9: both click, the toolbar says 4
key F9
wait_for "the toolbar result" 5 grep -q '^toolbar ' "$LOG"
line=$(grep '^toolbar ' "$LOG" | head -n1)
[ "$line" = "toolbar 4 Go A (clicked: 4 5)" ] || fail "toolbar reported '$line'"

key Escape
expect_exit 0
grep -q '^quit' "$LOG" || fail "Escape did not reach the Quit button"
pass
