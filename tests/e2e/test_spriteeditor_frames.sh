#!/usr/bin/env bash
# A sprite built from two pictures in the sprite editor, saved and read back with the game's loader; New, Load,
# frame stepping, Export Frame Image, Delete Frame, refusals (time 1001, saving no frames), remembered folders.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/spriteeditor_lib.sh"

make_workdir --copy-base
mkdir -p "$WORK/img"
"$SPRITEDUMP" --make-image "$WORK/img/red.bmp" 255 0 0 || fail "cannot make red.bmp"
"$SPRITEDUMP" --make-image "$WORK/img/blue.tga" 0 0 255 || fail "cannot make blue.tga"

start_editor

# [Add Frame twice: the new frame is the one shown] ---------------------------
file_command f "$WORK/img/red.bmp" "#FF0000" "the red frame after the first Add Frame"
file_command f "$WORK/img/blue.tga" "#0000FF" "the blue frame after the second Add Frame"

# [Display time: 1001 is out of range, 20 is taken] ---------------------------
key t
fill_dialog "the display time dialog" 8 1001
ok_message
key t
fill_dialog "the display time dialog" 8 20
wait_editor

key d
fill_dialog "the description dialog" 40 "Test mower"
wait_editor
screenshot "$WORK/editor_frames.png"

# [Save as, read back with the game's loader] --------------------------------
key a
choose_file "$WORK/test.spr"
wait_for "test.spr to be written" 20 test -s "$WORK/test.spr"
wait_editor
"$SPRITEDUMP" "$WORK/test.spr" > "$WORK/dump1.txt" || fail "the saved sprite does not load"
expect_fields "$WORK/dump1.txt" frames=2 "description=Test mower" "frame0.name=$WORK/img/red.bmp" \
  frame0.time=50 frame1.time=20 frame0.transparent=112 frame1.transparent=112 \
  "frame0.pixel0,0=0 0 0 0" "frame1.pixel0,0=0 0 0 0" "frame0.pixel8,8=255 0 0 255" "frame1.pixel8,8=0 0 255 255"

# [New empties the editor; Load Sprite brings the file back at frame 1] ------
key n
ok_message
wait_centre "$LIGHT_BLUE" "the empty view after New Sprite"
file_command F3 "$WORK/test.spr" "#FF0000" "the first frame of the loaded sprite"
key Left
wait_centre "#0000FF" "Previous Frame from frame 1 wrapping to the last"

# [Export Frame Image: transparent pixels go out magenta] --------------------
key e
choose_file "$WORK/blue_out.BMP"
wait_for "blue_out.BMP to be written" 20 test -s "$WORK/blue_out.BMP"
wait_editor
corner=$(convert "$WORK/blue_out.BMP" -crop 1x1+0+0 -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}')
[ "$corner" = "#FF00FF" ] || fail "the exported corner is $corner, expected magenta"
"$SPRITEDUMP" --picture "$WORK/blue_out.BMP" > "$WORK/picture.txt" || fail "the exported picture does not load"
expect_fields "$WORK/picture.txt" transparent=112 "pixel8,8=0 0 255 255"

# [Delete Frame on the last frame shows the one before] ----------------------
key Delete
ok_message
wait_centre "#FF0000" "the remaining red frame"
save_with_f2 "$WORK/test.spr"
"$SPRITEDUMP" "$WORK/test.spr" > "$WORK/dump2.txt" || fail "the shorter sprite does not load"
expect_fields "$WORK/dump2.txt" frames=1 "frame0.pixel8,8=255 0 0 255"   # the red frame is kept

# Stepping on with one frame stays on it.
key Right
sleep 0.3
wait_centre "#FF0000" "Next Frame on the only frame"

# [Deleting the only frame; saving nothing is refused] -----------------------
key Delete
ok_message
wait_centre "$LIGHT_BLUE" "the empty frame view"
key Delete
sleep 0.5
editor_shown || fail "Delete Frame without frames opened a dialog"
before=$(stat -c %y "$WORK/test.spr")
key F2
wait_message
screenshot "$WORK/no_frames_message.png"
key Return
wait_editor
[ "$(stat -c %y "$WORK/test.spr")" = "$before" ] || fail "a sprite without frames was written"

# [Exit; the picture folders are remembered in sodbolt.ini] -----------------
leave_editor
sleep 0.5
key Escape; key Up; key Up; key Up; key Return   # Tools, back to the main menu's Exit
expect_exit 0
grep -qx "ImageImportPath=$WORK/img/blue.tga" "$WORK/sodbolt.ini" || fail "ImageImportPath not kept: $(grep ImageImportPath "$WORK/sodbolt.ini")"
grep -qx "ImageExportPath=$WORK/blue_out.BMP" "$WORK/sodbolt.ini" || fail "ImageExportPath not kept: $(grep ImageExportPath "$WORK/sodbolt.ini")"
pass
