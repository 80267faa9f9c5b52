#!/usr/bin/env bash
# The sprite editor's preview (V, Escape and a click close it and nothing more), Import Zentor Sprite of a version
# 3 file saved over in the current format, Set All Frames Display Time, Import Frame Image, zoom limits 16 and 1.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/spriteeditor_lib.sh"

make_workdir --copy-base
mkdir -p "$WORK/img" "$WORK/legacy"
"$SPRITEDUMP" --make-image "$WORK/img/red.bmp" 255 0 0 || fail "cannot make red.bmp"
"$SPRITEDUMP" --zentor3 "$WORK/legacy/old3.spr" || fail "cannot make the Zentor sprite"

# A lawn pixel: no red or blue, green 100 to 139 (hex 64 to 8B).
lawn_at() { [[ "$(pixel "$1" "$2")" =~ ^#00(6[4-9A-F]|7[0-9A-F]|8[0-9A-B])00$ ]]; }
preview_shown() { lawn_at 100 300; }
wait_preview() { wait_for "the preview's lawn" 20 preview_shown; }
editor_stays() {   # for a while: nothing reopens or asks
  for _ in 1 2 3 4 5; do editor_shown || fail "$1"; sleep 0.3; done
}

start_editor
file_command f "$WORK/img/red.bmp" "#FF0000" "the red frame"

# [V opens the preview; V, Escape and a click each close it and do no more] --
key v
wait_preview
sleep 0.5
screenshot "$WORK/preview.png"
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
grep -qx 'frame0.name=' "$WORK/dump.txt" && grep -qx 'frame1.name=' "$WORK/dump.txt" || fail "the frames are not named \"\""
expect_fields "$WORK/dump.txt" "description=Old mower" frames=2 frame0.time=30 frame1.time=40 \
  "frame0.pixel8,8=96 96 96 255" "frame1.pixel8,8=192 192 192 255" frame0.transparent=0 frame0.size=16x16

# [Set All Frames Display Time; Import Frame Image replaces the frame shown] --
press_button 20
fill_dialog "the all-frames time dialog" 8 70
wait_editor
file_command i "$WORK/img/red.bmp" "#FF0000" "the imported frame image"
save_with_f2 "$WORK/legacy/old3.spr"
"$SPRITEDUMP" "$WORK/legacy/old3.spr" > "$WORK/dump.txt" || fail "the saved sprite does not load"
expect_fields "$WORK/dump.txt" frames=2 frame0.time=70 frame1.time=70 "frame0.pixel8,8=255 0 0 255" \
  frame0.transparent=112 "frame1.pixel8,8=192 192 192 255"

# [Zoom: the 12 red pixels span 192 screen pixels at 16, 12 at 1] ------------
xdotool key --delay 80 --repeat 13 KP_Add; sleep 0.5
red_at() { pixel_is "$1" 300 "#FF0000"; }
wait_for "the zoomed-in frame to reach x 320" 20 red_at 320
pixel_is 290 300 "$LIGHT_BLUE" || fail "the frame grew past zoom 16 ($(pixel 290 300) at 290)"
xdotool key --delay 80 --repeat 20 KP_Subtract; sleep 0.5
gone_left() { pixel_is 385 300 "$LIGHT_BLUE"; }
wait_for "the zoomed-out frame to leave x 385" 20 gone_left
wait_centre "#FF0000" "the frame at zoom 1"

leave_editor
pass
