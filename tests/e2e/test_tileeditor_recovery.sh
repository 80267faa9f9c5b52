#!/usr/bin/env bash
# Crash recovery in the tile editor: a painted pixel reaches recovery/sodbolt.til; after a SIGKILL Yes brings it back
# and F2 writes it into the tile set, No deletes the copy, a damaged copy is reported and removed.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

tileed_workdir
COPY="$WORK/recovery/sodbolt.til"
dump_tile "$TILES" 0 "$WORK/before.txt"
for x in 10 12; do [ "$(hex $(pixel_in "$WORK/before.txt" $x 10))" != "$WHITE" ] || fail "pixel ($x, 10) is white already"; done

paint() { press_at "$(cell_x $((8 + 2 * $1)))" "$(cell_y 10)"; xdotool mousemove --window "$APP_WIN" 790 595; }
painted() {
  cell_is 10 10 "$WHITE" || fail "the pixel was not painted"
  dump_tile "$TILES" 0 "$WORK/unsaved.txt"
  cmp -s "$WORK/before.txt" "$WORK/unsaved.txt" || fail "the tile set itself was written"
}
save_restored() { cell_is 10 10 "$WHITE" || fail "the restored set does not show the painted pixel"; save_with_f2 "$TILES"; }
saved() {
  dump_tile "$TILES" 0 "$WORK/saved.txt"
  expect_fields "$WORK/saved.txt" "10,10=255 255 255" "12,10=$(pixel_in "$WORK/before.txt" 12 10)"
}
unrestored() {
  ! cell_is 12 10 "$WHITE" || fail "$1"
  dump_tile "$TILES" 0 "$WORK/unrestored.txt"
  cmp -s "$WORK/saved.txt" "$WORK/unrestored.txt" || fail "the tile set changed: $1"
}
damage() { head -c 5000 "$TILES" > "$COPY"; echo base/tiles/sodbolt.til > "$COPY.path"; }

start_editor
recovery_check
pass
