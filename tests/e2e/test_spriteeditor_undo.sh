#!/usr/bin/env bash
# The sprite editor's undo and redo (added frame, new frame picture, deleted frame, display time), a save after
# an undo holding the undone sprite, and wheel zoom over the frame view only (not over the toolbar, not inside a
# dialog), one step per click.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/spriteeditor_lib.sh"

make_workdir --copy-base
mkdir -p "$WORK/img"
convert -size 24x24 xc:'#00FF00' "BMP3:$WORK/img/green.bmp" || fail "cannot make green.bmp"
"$SPRITEDUMP" --make-image "$WORK/img/blue.tga" 0 0 255 || fail "cannot make blue.tga"
"$SPRITEDUMP" --make-image "$WORK/img/red.bmp" 255 0 0 || fail "cannot make red.bmp"

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

# [Ctrl+Z takes the added frame away, Ctrl+Y brings it back] -----------------
undo
wait_centre "#00FF00" "the green frame after undoing the second Add Frame"
redo
wait_centre "#0000FF" "the blue frame again after redo"

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
save_new "$WORK/undone.spr"
expect_sprite "$WORK/undone.spr" frames=1 "frame0.pixel12,12=0 255 0 255" frame0.time=50 frame0.size=24x24
redo
wait_centre "#0000FF" "the blue frame after redo"
save_with_f2 "$WORK/undone.spr"
# The blue frame comes back as it was before the time was set and undone.
expect_sprite "$WORK/undone.spr" frames=2 "frame1.pixel8,8=0 0 255 255" frame1.time=50 frame1.transparent=112

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

leave_editor
pass
