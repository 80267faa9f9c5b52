#!/usr/bin/env bash
# The buttons of tools/gallery under a real pointer and keyboard, and their hot keys; Escape reaches the Quit
# button. (Pop-up menus and lists: test_dialogs; the display mode dialog: test_fullscreen_toggle.)
source "$(dirname "$0")/lib.sh" "$@"

# tools/gallery logs where each widget stands ("at NAME x y w h") and every result to gallery.txt.
LOG="$WORK/gallery.txt"
[ -x "$BUILD_DIR/gallery" ] || fail "gallery not built in '$BUILD_DIR'"
make_workdir
launch "$BUILD_DIR/gallery"
wait_window
wait_for "the gallery to be ready" 20 grep -q '^ready' "$LOG"
rect() { awk -v n="$1" '$1 == "at" && $2 == n { print $3, $4, $5, $6 }' "$LOG"; }
count() { grep -c -- "$1" "$LOG" || true; }

move() { xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.1; }
press() { move "$1" "$2"; xdotool mousedown 1; sleep 0.15; }
release() { xdotool mouseup 1; sleep 0.2; }
click() { press "$1" "$2"; release; }
rest_pointer() { move 700 560; }
clicks_are() { [ "$(count '^click Click me')" = "$1" ]; }

# [Buttons: a click is one click, press-move-off-release none] ----------------
read -r bx by bw bh <<<"$(rect clickme)"
press $((bx + bw / 2)) $((by + bh / 2))
rest_pointer
release
sleep 0.3
clicks_are 0 || fail "press, move off and release clicked the button"
click $((bx + bw / 2)) $((by + bh / 2))
rest_pointer
wait_for "the click to be reported" 5 clicks_are 1
sleep 0.3
clicks_are 1 || fail "one click reported $(count '^click Click me') clicks"
# The hot key (F2) fires once per key character.
key F2
wait_for "F2 to click" 5 clicks_are 2
sleep 0.5
clicks_are 2 || fail "one F2 gave $(( $(count '^click Click me') - 1 )) clicks"
# "Go A" (index 4) and "Go B" (index 5) share the hot key F9: both click, the toolbar says 4.
key F9
wait_for "the toolbar result" 5 grep -q '^toolbar ' "$LOG"
line=$(grep '^toolbar ' "$LOG" | head -n1)
[ "$line" = "toolbar 4 Go A (clicked: 4 5)" ] || fail "toolbar reported '$line'"

rest_pointer
key Escape
expect_exit 0
grep -q '^quit' "$LOG" || fail "Escape did not reach the Quit button"
pass
