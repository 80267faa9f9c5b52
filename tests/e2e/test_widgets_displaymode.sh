#!/usr/bin/env bash
# The "Select Display Mode" dialog from the gallery: it lists each display size
# once, shows its title bar, and Cancel (Escape) keeps the display as it was.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/gallery_lib.sh"
start_gallery

focus_app
xdotool mousemove --window "$APP_WIN" 700 560
key F5
sleep 1
screenshot "$WORK/displaymode.png"
pixel_is 100 70 "$TITLE_BLUE" || fail "no dialog title bar at (100, 70): $(pixel 100 70)"

key Escape
wait_for "the dialog to end" 5 grep -q '^displaymode ' "$LOG"
grep -qx 'displaymode cancelled' "$LOG" || fail "dialog reported '$(grep '^displaymode ' "$LOG")'"
grep -qx 'display 800x600' "$LOG" || fail "the display changed: $(grep '^display ' "$LOG")"
[ "$(window_size "$APP_WIN")" = "800x600" ] || fail "window is $(window_size "$APP_WIN") after Cancel"
sleep 0.3
app_running || fail "Escape in the dialog also quit the gallery"

# each size once, and as many rows as Allegro reports different sizes
rows=$(grep -c '^mode ' "$LOG" || true)
unique=$(grep '^mode ' "$LOG" | sort -u | grep -c . || true)
[ "$rows" = "$unique" ] || fail "the list repeats a size: $rows rows, $unique different"
reported=$(awk '$1 == "allegro" && $2 == "modes" { print $3 }' "$LOG")
[ "$rows" -le "$reported" ] || fail "$rows rows from $reported Allegro modes"

key Escape
expect_exit 0
pass
