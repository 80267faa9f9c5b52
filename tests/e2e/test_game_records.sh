#!/usr/bin/env bash
# Records of a player's wins: a short row of grass won by driving, the results screen with its stars, the records
# file beside the save, a slower win that keeps the best, and the level select listing the levels reached.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"

make_workdir
rm -f "$WORK"/base/savegames/*.sav
SAVE="$WORK/base/savegames/000.sav"
RECORDS="$WORK/base/savegames/000.rec"
# Two levels of one short row of grass (row 3, columns 3 to 6), the mower's start just left of it.
python3 - "$WORK/base/maps/short.map" <<'PY'
import struct, sys
def text(s): return struct.pack('<H', len(s)) + s.encode()
cells = [19] * 400
for c in range(3, 7): cells[3 * 25 + c] = 0
data = text('Sodbolt Map File') + struct.pack('<h', 3) + text('Short Row') + text('Test') \
    + struct.pack('<4H', 60, 0, 48, 112) + struct.pack('<400H', *cells)
open(sys.argv[1], 'wb').write(data)
PY
printf '[info]\nMapsCount=2\n[map0]\nmap=short.map\n[map1]\nmap=short.map\n' > "$WORK/base/game.ini"
# A plain menu picture, so that a row of the level select is told from no row by one pixel.
convert -size 800x600 xc:'#204020' "$WORK/base/menuback.tga"

# gold_pixels: how many pixels of the window show the results' gold (stars and "New best!").
gold_pixels() { shot; convert "ppm:$SHOT" -fill black +opaque '#ffd700' -fill white -opaque '#ffd700' -format '%[fx:int(mean*w*h)]' info:; }
# record_ms: the first entry's best time in the records file.
record_ms() { od -An -tu4 -j 25 -N4 "$RECORDS" | tr -d ' '; }

# win_short_row IDLE: waits IDLE seconds in the level, drives right over the row, and waits for the results.
win_short_row() {
  sleep "$1"
  local before; before=$(area_sum "$OVERLAY_SPOT")
  xdotool keydown Right; sleep 1.5; xdotool keyup Right
  wait_change "$OVERLAY_SPOT" "$before" "the level-complete picture" 10
  sleep 0.3
  key space
  wait_for "the results screen" 10 test "$(gold_pixels)" -gt 50
}

start_menu

new_game
win_short_row 0
first_gold=$(gold_pixels)
wait_for "the records file" 5 test -s "$RECORDS"   # its format: unit tests
best=$(record_ms)
[ "$best" -gt 300 ] && [ "$best" -lt 4000 ] || fail "the first win took $best ms"

key Return   # on to level 2
wait_for "level 2 in the save file" 20 test "$(save_word "$SAVE" 22)" = 1
sleep 1
key Escape
back_at_menu "level 2"

# Play, slot 1: Continue or Level Select; the level select lists levels 1 and 2 and Back.
go Return
go Down Return       # Back -> slot 1
go Down Return       # Continue -> Level Select
sleep 0.3
shot || fail "no picture of the level select"
for row in 0 1 2; do [ "$(px 17 $((68 + 40 * row)))" != "#204020" ] || fail "level select row $row missing"; done
[ "$(px 17 $((68 + 40 * 3)))" = "#204020" ] || fail "the level select lists more than two levels"
key Down Return      # Back -> Level 1

# Level 1 again, slower: the best is kept, no "New best!", and the save still names level 2.
wait_for "level 1 in play" 20 test "$(save_word "$SAVE" 22)" = 1
win_short_row 3
second_gold=$(gold_pixels)
[ "$second_gold" -lt "$first_gold" ] || fail "the slower win's results show as much gold ($second_gold) as a new best ($first_gold)"
[ "$(record_ms)" = "$best" ] || fail "the best time changed from $best to $(record_ms) ms"
key Return
sleep 1.5
[ "$(save_word "$SAVE" 22)" = 1 ] || fail "replaying level 1 lowered the saved progress"
key Escape
back_at_menu "that"

# Deleting the saved game deletes its records.
delete_first_slot
wait_for "the records to go" 10 test ! -e "$RECORDS"
key Escape
back_at_menu "Options"
quit_from_main_menu
pass
