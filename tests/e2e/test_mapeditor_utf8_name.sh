#!/usr/bin/env bash
# A map saved under a name with letters beyond ASCII: Save As with "Größe.map" typed into the file dialog writes
# that very file, which loads again (the field used to drop the letters and write "Gre.map").
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/mapeditor_lib.sh"

make_workdir --copy-base
start_editor

key a
wait_pixel "$SIDE_X" 5 "$TITLE_BLUE" "the Save Map As dialog"
clear_field 120
type_text 'Größe.map'
screenshot "$WORK/utf8_name_typed.png"
key Return
wait_for "Größe.map to be written" 20 test -s "$WORK/Größe.map"
wait_editor
[ ! -e "$WORK/Gre.map" ] || fail "the name lost its letters"
(cd "$WORK" && "$MAPDUMP" 'Größe.map' > /dev/null) || fail "Größe.map does not load"

leave_editor
pass
