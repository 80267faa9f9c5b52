#!/usr/bin/env bash
# The sprite editor's undo and redo (added frame, new frame picture, deleted frame, display time), a save after
# an undo holding the undone sprite, the onion skin showing the frame before faintly, and wheel zoom over the
# frame view only (not over the toolbar, not inside a dialog), one step per click.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/spriteeditor_lib.sh"

make_workdir --copy-base
mkdir -p "$WORK/img"
convert -size 24x24 xc:'#00FF00' "BMP3:$WORK/img/green.bmp" || fail "cannot make green.bmp"
"$SPRITEDUMP" --make-image "$WORK/img/blue.tga" 0 0 255 || fail "cannot make blue.tga"
"$SPRITEDUMP" --make-image "$WORK/img/red.bmp" 255 0 0 || fail "cannot make red.bmp"

# The green frame at 30 % over the background (129, 162, 255): about (90, 190, 178).
faint_green_at() {
  local p; p=$(pixel "$1" "$2"); [ -n "$p" ] || return 1
  local r=$((16#${p:1:2})) g=$((16#${p:3:2})) b=$((16#${p:5:2}))
  ((r >= 80 && r <= 100 && g >= 180 && g <= 200 && b >= 168 && b <= 188))
}
blue_at() { pixel_is "$1" 300 "#0000FF"; }
green_at() { pixel_is "$1" 300 "#00FF00"; }
not_green_at() { pixel_not "$1" 300 "#00FF00"; }
# wheel BUTTON COUNT X Y: COUNT wheel clicks (4 away from the user, 5 towards) with the pointer at X, Y.
wheel() {
  xdotool mousemove --window "$APP_WIN" "$3" "$4"; sleep 0.2
  xdotool click --repeat "$2" --delay 30 "$1"; sleep 0.4
}
undo() { key ctrl+z; }
redo() { key ctrl+y; }

start_editor
file_command f "$WORK/img/green.bmp" "#00FF00" "the green frame after the first Add Frame"
file_command f "$WORK/img/blue.tga" "#0000FF" "the blue frame after the second Add Frame"

# [Onion skin: the green frame shows faintly round the blue one, and goes again] --
pixel_is 350 300 "$LIGHT_BLUE" || fail "something besides the blue frame at 350,300 ($(pixel 350 300))"
key o
wait_for "the green frame faintly under the blue one" 20 faint_green_at 350 300
blue_at 400 || fail "the onion skin covers the current frame ($(pixel 400 300))"
screenshot "$WORK/onion.png"
key o
wait_pixel 350 300 "$LIGHT_BLUE" "the onion skin switched off"

# [Ctrl+Z takes the added frame away, Ctrl+Y brings it back] -----------------
undo
wait_centre "#00FF00" "the green frame after undoing the second Add Frame"
screenshot "$WORK/undone.png"
redo
wait_centre "#0000FF" "the blue frame again after redo"
screenshot "$WORK/redone.png"

# [New picture, deleted frame and display time undo one step each] ----------
file_command i "$WORK/img/red.bmp" "#FF0000" "the red picture imported into frame 2"
undo
wait_centre "#0000FF" "the blue picture back after undoing the import"
key Delete
ok_message
wait_centre "#00FF00" "the green frame after deleting the blue one"
undo
wait_centre "#0000FF" "the deleted blue frame back after undo"
key t
fill_dialog "the display time dialog" 8 20
wait_editor
undo

# [A save after undoing the last Add Frame holds one frame; redo and F2 two] --
undo
wait_centre "#00FF00" "the green frame after undoing the blue one's addition"
key a
choose_file "$WORK/undone.spr"
wait_for "undone.spr to be written" 20 test -s "$WORK/undone.spr"
wait_editor
"$SPRITEDUMP" "$WORK/undone.spr" > "$WORK/dump1.txt" || fail "the saved sprite does not load"
expect_fields "$WORK/dump1.txt" frames=1 "frame0.pixel12,12=0 255 0 255" frame0.time=50 frame0.size=24x24
redo
wait_centre "#0000FF" "the blue frame after redo"
save_with_f2 "$WORK/undone.spr"
"$SPRITEDUMP" "$WORK/undone.spr" > "$WORK/dump2.txt" || fail "the saved sprite does not load"
# The blue frame comes back as it was before the time was set and undone.
expect_fields "$WORK/dump2.txt" frames=2 "frame1.pixel8,8=0 0 255 255" frame1.time=50 frame1.transparent=112

# [Wheel zoom: one step a click over the frame view] -------------------------
# The 24 pixels wide green frame reaches 12 x zoom left of the centre: x 340 at zoom 5, 328 at 6, 316 at 7
# (its edge is smoothed over about one zoom step).
key Left
wait_centre "#00FF00" "the green frame after Previous Frame"
not_green_at 334 || fail "the green frame reaches x 334 at zoom 5"
wheel 4 1 600 450
wait_for "one wheel click to zoom in to 6" 20 green_at 334
not_green_at 322 || fail "one wheel click zoomed in more than one step"
wheel 4 1 600 450
wait_for "a second wheel click to zoom in to 7" 20 green_at 322
# Over the toolbar and inside a dialog the wheel does not zoom.
wheel 5 3 400 "$(toolbar_y)"
key d
wait_dialog "the description dialog"
wheel 5 3 400 300
key Escape
wait_editor
xdotool mousemove --window "$APP_WIN" 790 595; sleep 0.5
green_at 322 || fail "a wheel turn over the toolbar or in a dialog zoomed out"
wheel 5 2 600 450
wait_for "two clicks towards the user to zoom out to 5" 20 not_green_at 334
screenshot "$WORK/zoomed.png"

leave_editor
pass
