#!/usr/bin/env bash
# Gallery text field (typing, maximum length - 1 characters, Backspace, Tab) and pop-up menu (the clicked item, or
# -1 on Escape).
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/gallery_lib.sh"
start_gallery

click() { xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.1; xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.2; }

# the "Code" field was made for 6 characters: it keeps 5
read -r fx fy fw fh <<<"$(rect code)"
click $((fx + 10)) $((fy + fh / 2))
type_text "abc12x"
wait_for "the typed text" 5 grep -qx 'field Code abc12' "$LOG"
sleep 0.3
grep -qx 'field Code abc12x' "$LOG" && fail "the field took a sixth character"
key BackSpace
wait_for "Backspace" 5 grep -qx 'field Code abc1' "$LOG"

# Tab moves the focus from "Name" to "Code" and on round to "Name"
read -r nx ny nw nh <<<"$(rect name)"
click $((nx + 10)) $((ny + nh / 2))
type_text "hi"
key Tab
type_text "9"
wait_for "Tab to reach the next field" 5 grep -qx 'field Code abc19' "$LOG"
grep -qx 'field Name hi' "$LOG" || fail "typing into Name was not reported"

# the pop-up menu: click its second item ("Edit")
read -r px py pw ph <<<"$(rect popup)"
mx=$((px + pw / 2)); my=$((py + ph / 2))
click "$mx" "$my"
wait_for "the menu to open" 5 grep -q '^menu open' "$LOG"
read -r _ _ ox oy <<<"$(grep '^menu open' "$LOG" | tail -n1)"
sleep 0.3
screenshot "$WORK/menu.png"
click $((ox + 20)) $((oy + 36 + 18))
wait_for "the menu result" 5 grep -q '^menu -\?[0-9]' "$LOG"
[ "$(grep '^menu -\?[0-9]' "$LOG" | tail -n1)" = "menu 1" ] || fail "menu returned '$(grep '^menu -\?[0-9]' "$LOG" | tail -n1)'"

# Escape cancels the menu with -1 and does not quit the gallery
click "$mx" "$my"
wait_for "the menu to open again" 5 test "$(grep -c '^menu open' "$LOG")" = 2
sleep 0.3
key Escape
wait_for "the cancelled menu" 5 grep -qx 'menu -1' "$LOG"
sleep 0.5
app_running || fail "Escape in the menu also quit the gallery"

xdotool mousemove --window "$APP_WIN" 700 560
key Escape
expect_exit 0
pass
