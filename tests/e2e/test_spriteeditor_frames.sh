#!/usr/bin/env bash
# The sprite editor's commands, a sprite built, saved and read back with the game's loader, the preview, a version 3
# Zentor sprite saved over in the current format; remembered folders.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/spriteeditor_lib.sh"

make_workdir
mkdir -p "$WORK/img" "$WORK/legacy"
"$SPRITEDUMP" --zentor3 "$WORK/legacy/old3.spr" || fail "cannot make the Zentor sprite"
"$SPRITEDUMP" --make-image "$WORK/img/red.bmp" 255 0 0 || fail "cannot make red.bmp"
"$SPRITEDUMP" --make-image "$WORK/img/blue.tga" 0 0 255 || fail "cannot make blue.tga"
convert -size 24x24 xc:'#00FF00' "BMP3:$WORK/img/green.bmp" || fail "cannot make green.bmp"

# A lawn pixel: no red or blue, green 100 to 139 (hex 64 to 8B).
lawn_at() { [[ "$(pixel "$1" "$2")" =~ ^#00(6[4-9A-F]|7[0-9A-F]|8[0-9A-B])00$ ]]; }
preview_shown() { lawn_at 100 300; }
wait_preview() { wait_for "the preview's lawn" 20 preview_shown; }
editor_stays() { for _ in 1 2 3 4 5; do editor_shown || fail "$1"; sleep 0.3; done; }   # nothing reopens or asks
green_at() { pixel_is "$1" 300 "#00FF00"; }
not_green_at() { pixel_not "$1" 300 "#00FF00"; }
# wheel BUTTON COUNT X Y: COUNT wheel clicks (4 away from the user, 5 towards) with the pointer at X, Y.
wheel() {
  xdotool mousemove --window "$APP_WIN" "$3" "$4"; sleep 0.2
  xdotool click --repeat "$2" --delay 30 "$1"; sleep 0.4
}

start_editor

# [Ctrl+Z takes an added frame away, a save holds the undone sprite; Ctrl+Y and F2 bring it back] -----------
file_command f "$WORK/img/green.bmp" "#00FF00" "the green frame"
file_command f "$WORK/img/blue.tga" "#0000FF" "the blue frame"
key ctrl+z
wait_centre "#00FF00" "the green frame after undoing the second Add Frame"
save_new "$WORK/undone.spr"
expect_sprite "$WORK/undone.spr" frames=1 "frame0.pixel12,12=0 255 0 255" frame0.size=24x24
key ctrl+y
wait_centre "#0000FF" "the blue frame after redo"
save_with_f2 "$WORK/undone.spr"
expect_sprite "$WORK/undone.spr" frames=2 "frame1.pixel8,8=0 0 255 255"

# [Wheel zoom: one step a click over the frame view, none over the toolbar or in a dialog] ------------------
# The 24 pixels wide green frame reaches 12 x zoom left of the centre: x 340 at zoom 5, 328 at 6, 316 at 7.
key Left
wait_centre "#00FF00" "the green frame after Previous Frame"
not_green_at 334 || fail "the green frame reaches x 334 at zoom 5"
wheel 4 1 600 450
wait_for "one wheel click to zoom in to 6" 20 green_at 334
not_green_at 322 || fail "one wheel click zoomed in more than one step"
wheel 4 1 600 450
wait_for "a second wheel click to zoom in to 7" 20 green_at 322
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
key n
ok_message
wait_centre "$LIGHT_BLUE" "the empty view after New Sprite"

# [Add Frame twice: the new frame is the one shown; display time 20; description] -----------------------------
file_command f "$WORK/img/red.bmp" "#FF0000" "the red frame after the first Add Frame"
file_command f "$WORK/img/blue.tga" "#0000FF" "the blue frame after the second Add Frame"

key t
fill_dialog "the display time dialog" 8 20
wait_editor

key d
fill_dialog "the description dialog" 40 "Test mower"
wait_editor

# [Save as, read back with the game's loader] --------------------------------
save_new "$WORK/test.spr"
expect_sprite "$WORK/test.spr" frames=2 "description=Test mower" "frame0.name=$WORK/img/red.bmp" \
  frame0.time=50 frame1.time=20 frame0.transparent=112 frame1.transparent=112 \
  "frame0.pixel0,0=0 0 0 0" "frame1.pixel0,0=0 0 0 0" "frame0.pixel8,8=255 0 0 255" "frame1.pixel8,8=0 0 255 255"

# [New; Load Sprite at frame 1; deleting both frames empties it; saving nothing is refused] (the frame a deletion
# shows, wrapping, Export Frame Image: unit tests)
key n
ok_message
wait_centre "$LIGHT_BLUE" "the empty view after New Sprite"
file_command F3 "$WORK/test.spr" "#FF0000" "the first frame of the loaded sprite"
key Delete
ok_message
key Delete
ok_message
wait_centre "$LIGHT_BLUE" "the empty frame view"
key Delete
sleep 0.5
editor_shown || fail "Delete Frame without frames opened a dialog"
before=$(stamp "$WORK/test.spr")
key F2
wait_message
key Return
wait_editor
[ "$(stamp "$WORK/test.spr")" = "$before" ] || fail "a sprite without frames was written"

file_command f "$WORK/img/red.bmp" "#FF0000" "the red frame"

# [V opens the preview; V, Escape and a click each close it and do no more] --
key v
wait_preview
sleep 0.5
wait_centre "#FF0000" "the sprite in the middle of the preview"
lawn_at 150 150 || fail "no lawn at 150,150 ($(pixel 150 150))"
for closer in "key v" "key Escape" "press_at 600 450"; do
  [ "$closer" = "key v" ] || { key v; wait_preview; }
  $closer
  wait_editor
  editor_stays "'$closer' closing the preview did more"
done

# [Import Zentor Sprite, version 3] ------------------------------------------
press_button 26
choose_file "$WORK/legacy/old3.spr"
wait_editor
wait_centre "#606060" "the first imported frame"
key F2
new_format() { "$SPRITEDUMP" "$WORK/legacy/old3.spr" > "$WORK/dump.txt" 2>/dev/null; }
wait_for "F2 to write the current format over the imported file" 20 new_format
expect_fields "$WORK/dump.txt" "description=Old mower" frames=2 "frame1.pixel8,8=192 192 192 255"

# [Set All Frames Display Time; Import Frame Image replaces the frame shown] --
press_button 20
fill_dialog "the all-frames time dialog" 8 70
wait_editor
file_command i "$WORK/img/red.bmp" "#FF0000" "the imported frame image"
save_with_f2 "$WORK/legacy/old3.spr"
expect_sprite "$WORK/legacy/old3.spr" frames=2 frame0.time=70 frame1.time=70 "frame0.pixel8,8=255 0 0 255" \
  frame0.transparent=112 "frame1.pixel8,8=192 192 192 255"

# [Exit; the Zentor sprite's folder is remembered in sodbolt.ini (the image folders: test_tileeditor_files)] ---
leave_editor
quit_from_tools
grep -qx "ImportZentorSpritePath=$WORK/legacy/old3.spr" "$WORK/sodbolt.ini" ||
  fail "ImportZentorSpritePath not kept: $(grep ImportZentorSpritePath "$WORK/sodbolt.ini")"
pass
