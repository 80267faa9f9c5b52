#!/usr/bin/env bash
# Crash recovery in the sprite editor, for a sprite never saved: an added frame reaches recovery/unsaved.spr; after a
# SIGKILL Yes brings it back and Save asks for a name and writes it, No deletes the copy, a damaged copy is reported.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/spriteeditor_lib.sh"

make_workdir
mkdir -p "$WORK/img"
"$SPRITEDUMP" --make-image "$WORK/img/red.bmp" 255 0 0 || fail "cannot make red.bmp"
COPY="$WORK/recovery/unsaved.spr"

paint() {
  if [ "$1" = 2 ]; then key n; ok_message; wait_centre "$LIGHT_BLUE" "the empty view after New Sprite"; fi
  file_command f "$WORK/img/red.bmp" "#FF0000" "the red frame"
}
painted() { :; }
save_restored() {
  wait_centre "#FF0000" "the restored frame"
  key F2
  choose_file "$WORK/kept.spr"
  wait_for "kept.spr to be written" 20 test -s "$WORK/kept.spr"
  wait_editor
}
saved() { expect_sprite "$WORK/kept.spr" frames=1 "frame0.pixel8,8=255 0 0 255"; }
unrestored() { centre_is "$LIGHT_BLUE" || fail "$1"; }
damage() { head -c 300 "$WORK/kept.spr" > "$COPY"; }

start_editor
recovery_check
pass
