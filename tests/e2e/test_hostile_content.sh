#!/usr/bin/env bash
# Every content file of base/ truncated or overwritten with random bytes. The
# program names each broken file it meets, the game and the editors go on,
# and no content file is touched. Broken overlay pictures stop the start with
# the "Error" box naming the picture; a broken menu picture ends the program
# after its message.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/hostile_lib.sh"

make_workdir --copy-base
rm -f "$WORK"/base/savegames/*.sav
pristine="$WORK/pristine"
cp -r "$WORK/base" "$pristine"

# damage FILE N: odd N cuts the file to half its length, even N fills it with
# as many random bytes.
damage() {
  local size
  size=$(stat -c %s "$1")
  if [ $(($2 % 2)) = 1 ]; then truncate -s $((size / 2)) "$1"; else random_bytes "$1" "$size"; fi
}
said() { grep -qF "$1" "$WORK/stderr.txt"; }
wait_said() { wait_for "the message '$1'" "${2:-20}" said "$1"; }
restore_base() { rm -rf "$WORK/base" && cp -r "$pristine" "$WORK/base"; }

# 1. Tile set, maps, sprites, sounds, music, help and the credits picture all
# broken at once; game.ini and the menu and overlay pictures intact.
n=0
while IFS= read -r -d '' file; do
  n=$((n + 1))
  damage "$WORK/$file" $n
done < <(cd "$WORK" && find base/tiles base/maps base/sprites base/sound base/music -type f -print0 | sort -z)
truncate -s 100 "$WORK/base/CreditsBack.tga"
random_bytes "$WORK/base/help.txt" 3000
remember_content

start_app
menu_up
for sprite in mower cloud01 cloud02; do
  said "base/sprites/$sprite.spr" || fail "no message about the broken $sprite sprite"
done
grep -q 'Unable to load sample from .*base/sound/' "$WORK/stderr.txt" || fail "no message about the broken sounds"
said 'Unable to load music from base/music/menu.mod' || fail "no message about the broken menu music"
menu=$(window_crop_sum "$TITLE_BAR")

# Play: level 1's map is broken, the game says so and the menu comes back.
key Down Return
sleep 0.8
key Down Return
sleep 0.5
key Down Down Return
wait_said 'base/maps/level01.map'
sleep 1
key Return
wait_crop_equal "$TITLE_BAR" "$menu" 15 "the main menu after the broken map"

# Credits without their picture: a message, then the menu.
key Down Down Down Down Return
wait_said 'Unable to load bitmap from base/CreditsBack.tga'
sleep 0.5
key Return
wait_crop_equal "$TITLE_BAR" "$menu" 15 "the main menu after the credits"

# Help on random bytes opens and closes.
key Up Return
sleep 2
app_running || fail "the program ended in the help viewer"
key Return
wait_crop_equal "$TITLE_BAR" "$menu" 15 "the main menu after help"

# Tools -> Map Editor: a new map over the broken tile set says so; loading a
# broken map says so too; the editor leaves without saving anything.
key Up Return
wait_crop_change "$TITLE_BAR" "$menu" 15 "the tools menu"
tools=$(window_crop_sum "$TITLE_BAR")
key Down Return
wait_said 'base/tiles/sodbolt.til'
sleep 1
shot "$WORK/mapeditor.png"
editor=$(window_crop_sum "$FIELD")
key F3
wait_crop_change "$FIELD" "$editor" 15 "the Load Map dialog"
sleep 0.5
xdotool key --delay 15 --repeat 160 BackSpace; sleep 0.3
type_text "base/maps/level02.map"
key Return
wait_said 'base/maps/level02.map'
sleep 0.5
key Return
sleep 1
key Escape   # Exit, and Yes to leaving
sleep 1
key Return
sleep 1
app_running || fail "the program ended in the map editor"
wait_crop_equal "$TITLE_BAR" "$tools" 15 "the tools menu after the map editor"

# Tile Editor on the broken tile set: a message, then an editor that works.
grep -c 'base/tiles/sodbolt.til' "$WORK/stderr.txt" > "$WORK/count.txt"
key Down Return
wait_for "a second message about the tile set" 20 \
  test "$(grep -c 'base/tiles/sodbolt.til' "$WORK/stderr.txt")" -gt "$(cat "$WORK/count.txt")"
sleep 1
key Return
sleep 1
key Right Right
sleep 0.5
key Escape
sleep 1
key Return
sleep 1
app_running || fail "the program ended in the tile editor"
wait_crop_equal "$TITLE_BAR" "$tools" 15 "the tools menu after the tile editor"

# Sprite Editor: loading the broken cloud sprite says so.
key Down Return
sleep 2
editor=$(window_crop_sum "$FIELD")
key F3
wait_crop_change "$FIELD" "$editor" 15 "the Load Sprite dialog"
sleep 0.5
xdotool key --delay 15 --repeat 160 BackSpace; sleep 0.3
sprite_lines() { grep -cE 'base/sprites/cloud01.spr|^Not a valid sprite file' "$WORK/stderr.txt"; }
sprite_lines > "$WORK/count.txt"
type_text "base/sprites/cloud01.spr"
key Return
wait_for "a message about the broken sprite" 20 \
  test "$(sprite_lines)" -gt "$(cat "$WORK/count.txt")"
sleep 0.5
key Return
sleep 1
key Escape
sleep 1
key Return
sleep 1
app_running || fail "the program ended in the sprite editor"
wait_crop_equal "$TITLE_BAR" "$tools" 15 "the tools menu after the sprite editor"
key Escape
wait_crop_equal "$TITLE_BAR" "$menu" 15 "the main menu"
key Down Down
quit_from_main_menu
no_crash_report || fail "crash report with broken content"
content_unchanged

# 1b. Only the three sprites broken: a level still plays without them (no
# mower or clouds to see), steering and all, and Escape leaves it.
restore_base
n=0
for sprite in mower cloud01 cloud02; do
  n=$((n + 1))
  damage "$WORK/base/sprites/$sprite.spr" $n
done
remember_content
start_app
menu_up
menu=$(window_crop_sum "$TITLE_BAR")
key Down Return
sleep 0.8
key Down Return
sleep 0.5
key Down Down Return
wait_for "the save file" 20 test -s "$WORK/base/savegames/000.sav"
sleep 1
xdotool keydown Up; sleep 1; xdotool keyup Up
xdotool keydown Left; sleep 0.5; xdotool keyup Left
app_running || fail "the program ended in a level without sprites"
key Escape
wait_crop_equal "$TITLE_BAR" "$menu" 15 "the main menu after a level without sprites"
quit_from_main_menu
no_crash_report || fail "crash report with broken sprites"
content_unchanged
rm -f "$WORK"/base/savegames/*.sav

# 2. game.ini of random bytes: no level list, and the game says so.
restore_base
random_bytes "$WORK/base/game.ini" 600
remember_content
start_app
menu_up
key Down Return
sleep 0.8
key Down Return
sleep 0.5
key Down Down Return
wait_said 'No entries in maps list'
sleep 0.5
key Return
sleep 1
key Up
quit_from_main_menu
content_unchanged

# 3. A broken menu picture: its message, then a normal end.
restore_base
truncate -s 300 "$WORK/base/menuback.tga"
remember_content
start_app
wait_window '^Sodbolt$' 30
focus_app
wait_said 'Unable to load menu background'
sleep 0.5
key Return
await_exit 20
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after the menu picture message, not 0"
content_unchanged

# 4. Each overlay picture broken: the "Error" box names it, exit code 1.
k=0
for picture in inter_LevelComplete.tga inter_OutOfTime.tga inter_Paused.tga; do
  restore_base
  k=$((k + 1))
  damage "$WORK/base/$picture" $k
  remember_content
  start_app
  answer_native_box '^Error$' 0.5
  await_exit 20
  [ "$EXIT_CODE" = 1 ] || fail "exit code $EXIT_CODE with a broken $picture, not 1"
  said "Unable to load bitmap from base/$picture" || fail "the error does not name base/$picture"
  no_crash_report || fail "crash report with a broken $picture"
  content_unchanged
done
pass
