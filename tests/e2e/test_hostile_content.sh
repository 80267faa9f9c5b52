#!/usr/bin/env bash
# Every content file of base/ truncated or overwritten with random bytes: each broken file is named, the game and
# editors go on, nothing is touched; broken overlay pictures or a missing font stop the start.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/hostile_lib.sh"

hostile_workdir

# damage FILE N: odd N halves the file, even N fills it with as many random bytes.
damage() {
  local size
  size=$(stat -c %s "$1")
  if [ $(($2 % 2)) = 1 ]; then truncate -s $((size / 2)) "$1"; else random_bytes "$1" "$size"; fi
}
# more_lines PATTERN ACTION...: ACTION adds a stderr line matching PATTERN.
line_count() { grep -cE "$1" "$WORK/stderr.txt" || true; }
more_lines() {
  local pattern="$1" before; shift
  before=$(line_count "$pattern")
  "$@"
  wait_for "another message matching '$pattern'" 20 test "$(line_count "$pattern")" -gt "$before"
}
# load_in_editor PATTERN PATH: the editor's Load (F3) given PATH, a message matching PATTERN, OK.
load_in_editor() {
  local editor; editor=$(area_sum "$FIELD")
  key F3
  wait_change "$FIELD" "$editor" "the load dialog"
  sleep 0.5
  more_lines "$1" type_path "$2"
  sleep 0.5
  key Return
  sleep 1
}
# back_to_tools WHAT: an editor's Exit answered Yes brings the tools menu back.
back_to_tools() {
  leave_editor_yes
  app_running || fail "the program ended in the $1"
  wait_for "the tools menu after the $1" 15 area_equals "$TITLE_BAR" "$tools"
}

# 1. Tile set, maps, sprites, sounds, music and the credits picture broken at once (help: test_help_progress).
n=0
while IFS= read -r -d '' file; do
  n=$((n + 1))
  damage "$WORK/$file" $n
done < <(cd "$WORK" && find base/tiles base/maps base/sprites base/sound base/music -type f -print0 | sort -z)
truncate -s 100 "$WORK/base/CreditsBack.tga"
start_checked
for sprite in mower cloud01 cloud02; do
  said "base/sprites/$sprite.spr" || fail "no message about the broken $sprite sprite"
done
grep -q 'Unable to load sample from .*base/sound/' "$WORK/stderr.txt" || fail "no message about the broken sounds"
said 'Unable to load music from base/music/menu.mod' || fail "no message about the broken menu music"

play_first_slot   # level 1's map is broken
wait_said 'base/maps/level01.map'
sleep 1
key Return
back_at_menu "the broken map"

key Down Down Down Down Return   # Credits without their picture
wait_said 'Unable to load bitmap from base/CreditsBack.tga'
sleep 0.5
key Return
back_at_menu "the credits"

# Map Editor: a new map over the broken tile set and a broken map loaded each say so.
key Up Up Return   # Credits -> Tools
wait_change "$TITLE_BAR" "$menu" "the tools menu"
tools=$(area_sum "$TITLE_BAR")
key Down Return
wait_said 'base/tiles/sodbolt.til'
sleep 1
load_in_editor 'base/maps/level02.map' base/maps/level02.map
back_to_tools "map editor"

# Tile Editor on the broken tile set: a message, then an editor that works.
more_lines 'base/tiles/sodbolt.til' key Down Return
sleep 1
key Return
sleep 1
key Right Right
sleep 0.5
back_to_tools "tile editor"

# Sprite Editor: loading the broken cloud sprite says so.
key Down Return
sleep 2
load_in_editor 'base/sprites/cloud01.spr|^Not a valid sprite file' base/sprites/cloud01.spr
back_to_tools "sprite editor"
key Escape
back_at_menu "the tools"
key Down Down
end_checked "broken content"

# 1b. Only the three sprites broken: a level still plays and steers without them.
restore_base
damage "$WORK/base/sprites/mower.spr" 1
damage "$WORK/base/sprites/cloud01.spr" 2
damage "$WORK/base/sprites/cloud02.spr" 1
start_checked
new_game
xdotool keydown Up; sleep 1; xdotool keyup Up
xdotool keydown Left; sleep 0.5; xdotool keyup Left
app_running || fail "the program ended in a level without sprites"
key Escape
back_at_menu "a level without sprites"
end_checked "broken sprites"
rm -f "$WORK"/base/savegames/*.sav

# 3. A broken menu picture: its message, then a normal end.
restore_base
truncate -s 300 "$WORK/base/menuback.tga"
remember_content
start_app
wait_window
focus_app
wait_said 'Unable to load menu background'
sleep 0.5
key Return
expect_exit 0
content_unchanged

# 4. Each overlay picture broken (cut short, missing, random bytes): the "Error" box names it, exit code 1.
for row in "inter_LevelComplete.tga 1" "inter_OutOfTime.tga missing" "inter_Paused.tga 2"; do
  read -r picture how <<<"$row"
  restore_base
  if [ "$how" = missing ]; then rm "$WORK/base/$picture"; else damage "$WORK/base/$picture" "$how"; fi
  remember_content
  start_app
  answer_native_box '^Error$' 0.5
  expect_exit 1
  said "Unable to load bitmap from base/$picture" || fail "the error does not name base/$picture"
  no_crash_report || fail "crash report with a broken $picture"
  content_unchanged
done

# 5. No font: a native message, then the toolkit's own Error box, exit code 1.
rm "$WORK/kwuidata"
mkdir -p "$WORK/kwuidata/fonts"
ln -s "$REPO_ROOT/kwuidata/textures" "$WORK/kwuidata/textures"
start_app
answer_native_box '^Message$' 0.5
answer_native_box '^Error$' 0.5
expect_exit 1
pass
