#!/usr/bin/env bash
# Crash recovery in the map editor: a painted cell reaches recovery/level03.map; after a SIGKILL Yes brings it back
# and F2 writes it to level03.map, No deletes the copy, a damaged copy is reported and removed.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/mapeditor_lib.sh"

make_workdir
land=$(first_tile 0)
COPY="$WORK/recovery/level03.map"
cell_sum() { area_sum "30x30+$((32 * $1 + 1))+$((LH + 50 + 32 * $2 + 1))"; }
row04() { dump_field level03.map row04; }

paint() {
  if [ "$1" = 1 ]; then pick_tile "$land"; else press_at "$(cell_x 5)" "$(cell_y 4)" 3; fi   # right button: a pick
  press_at "$(cell_x $((3 + 2 * $1)))" "$(cell_y 4)"
  xdotool mousemove --window "$APP_WIN" 790 595
}
painted() {
  land_cell=$(cell_sum 5 4)
  [ "$(row04)" = "$(dump_field level03.map row03)" ] || fail "the document itself was written"
}
save_restored() {
  [ "$(cell_sum 5 4)" = "$land_cell" ] || fail "the restored map does not show the painted cell"
  key F2
}
saved() {
  wait_for "F2 to write the cell to level03.map" 20 eval '[ "$(row04 | cut -d" " -f6)" = "$land" ]'
  saved_row=$(row04)
}
unrestored() {
  [ "$(cell_sum 7 4)" != "$land_cell" ] || fail "$1"
  [ "$(row04)" = "$saved_row" ] || fail "level03.map changed: $1"
}
damage() { printf 'Sodbolt map, cut short' > "$COPY"; echo level03.map > "$COPY.path"; }

start_editor
save_new level03.map
recovery_check
pass
