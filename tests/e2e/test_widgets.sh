#!/usr/bin/env bash
# The widgets of tools/gallery under a real pointer and keyboard: buttons and their hot keys, the display mode
# dialog and pop-up menu; Escape reaches the Quit button. (Slider drags: test_audio; list double clicks and typed
# fields: test_dialogs.)
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/gallery_lib.sh"
start_gallery

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
key F2 F2
wait_for "two more F2 clicks" 5 clicks_are 4
sleep 0.5
clicks_are 4 || fail "two F2 presses gave $(( $(count '^click Click me') - 2 )) clicks"
# "Go A" (index 4) and "Go B" (index 5) share the hot key F9: both click, the toolbar says 4.
key F9
wait_for "the toolbar result" 5 grep -q '^toolbar ' "$LOG"
line=$(grep '^toolbar ' "$LOG" | head -n1)
[ "$line" = "toolbar 4 Go A (clicked: 4 5)" ] || fail "toolbar reported '$line'"

# [Select Display Mode (F5): its title bar shows, Cancel keeps the display] ---
key F5
wait_for "the display mode dialog" 10 pixel_is 100 70 "$TITLE_BLUE"
key Escape
wait_for "the dialog to end" 5 grep -q '^displaymode ' "$LOG"
grep -qx 'displaymode cancelled' "$LOG" || fail "dialog reported '$(grep '^displaymode ' "$LOG")'"
grep -qx 'display 800x600' "$LOG" || fail "the display changed: $(grep '^display ' "$LOG")"
[ "$(window_size "$APP_WIN")" = "800x600" ] || fail "window is $(window_size "$APP_WIN") after Cancel"
sleep 0.3
app_running || fail "Escape in the dialog also quit the gallery"

# [Pop-up menu: its second item ("Edit") is 1, Escape -1 without quitting] ----
read -r px py pw ph <<<"$(rect popup)"
mx=$((px + pw / 2)); my=$((py + ph / 2))
click "$mx" "$my"
wait_for "the menu to open" 5 grep -q '^menu open' "$LOG"
read -r _ _ ox oy <<<"$(grep '^menu open' "$LOG" | tail -n1)"
sleep 0.3
click $((ox + 20)) $((oy + 36 + 18))
wait_for "the menu result" 5 grep -q '^menu -\?[0-9]' "$LOG"
[ "$(grep '^menu -\?[0-9]' "$LOG" | tail -n1)" = "menu 1" ] || fail "menu returned '$(grep '^menu -\?[0-9]' "$LOG" | tail -n1)'"
click "$mx" "$my"
wait_for "the menu to open again" 5 test "$(grep -c '^menu open' "$LOG")" = 2
sleep 0.3
key Escape
wait_for "the cancelled menu" 5 grep -qx 'menu -1' "$LOG"
sleep 0.5
app_running || fail "Escape in the menu also quit the gallery"

rest_pointer
key Escape
expect_exit 0
grep -q '^quit' "$LOG" || fail "Escape did not reach the Quit button"
pass
