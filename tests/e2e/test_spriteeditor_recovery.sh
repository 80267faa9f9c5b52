#!/usr/bin/env bash
# Crash recovery in the sprite editor, for a sprite never saved: an added frame reaches recovery/unsaved.spr within
# seconds; after a SIGKILL the next Sprite Editor asks to restore it, Yes shows the frame with "*" in the title and
# Save asks for a name and writes it; No deletes the copy; a damaged copy is reported and removed.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/spriteeditor_lib.sh"

make_workdir --copy-base
mkdir -p "$WORK/img"
"$SPRITEDUMP" --make-image "$WORK/img/red.bmp" 255 0 0 || fail "cannot make red.bmp"
COPY="$WORK/recovery/unsaved.spr"

copy_written() { [ -s "$COPY" ]; }

start_editor
plain=$(area_sum "$(title_area)")

# [Add a red frame; the copy follows within seconds; SIGKILL] -----------------
file_command f "$WORK/img/red.bmp" "#FF0000" "the red frame"
wait_for "the recovery copy" 15 copy_written
starred=$(area_sum "$(title_area)")
[ "$starred" != "$plain" ] || fail "the title did not change with the unsaved frame"
kill_app

# [Yes: the frame is back, unsaved; Save asks for a name and writes it] ------
start_editor message_shown
restore_yes
wait_centre "#FF0000" "the restored frame"
key F2
choose_file "$WORK/kept.spr"
wait_for "kept.spr to be written" 20 test -s "$WORK/kept.spr"
wait_editor
expect_sprite "$WORK/kept.spr" frames=1 "frame0.pixel8,8=255 0 0 255"
wait_for "Save to remove the copy" 10 no_recovery_copy

# [No: the copy goes] --------------------------------------------------------
key n
ok_message
wait_centre "$LIGHT_BLUE" "the empty view after New Sprite"
file_command f "$WORK/img/red.bmp" "#FF0000" "the red frame again"
wait_for "the second recovery copy" 15 copy_written
restart_and_refuse
centre_is "$LIGHT_BLUE" || fail "No restored the frame anyway"

# [A damaged copy: a message, no crash, the copy removed] ---------------------
kill_app
head -c 300 "$WORK/kept.spr" > "$COPY"
start_editor message_shown
damaged_copy_reported
centre_is "$LIGHT_BLUE" || fail "the damaged copy was loaded"
leave_editor
pass
