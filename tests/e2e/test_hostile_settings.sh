#!/usr/bin/env bash
# No kwui2.ini, or a hostile one and sodbolt.ini (impossible sizes, random bytes, folders, 100 KB values): the program
# says what it did, keeps running, and writes back settings it can use.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/hostile_lib.sh"

make_workdir --no-ini
remember_content
LOG="$WORK/KWUI2 Error Log.txt"
long_value() { head -c "$1" /dev/zero | tr '\0' "$2"; }
# start_asked: the program, the desktop question answered Yes, the main menu.
start_asked() { start_app; answer_native_box 'Screen Resolution' 0.75; menu_up; }

# No kwui2.ini: "No" to the desktop question gives 640 x 480 (a display-mode dialog may follow: Escape leaves it).
start_app
answer_native_box 'Screen Resolution' 0.25
wait_window
focus_app
wait_for "a 640 x 480 window" 10 eval '[ "$(window_size "$APP_WIN")" = 640x480 ]'
for _ in 1 2 3; do
  app_running && key Escape
  sleep 0.5
  app_running && key Return
  sleep 0.5
done
expect_exit 0
grep -qx 'width=640' "$WORK/kwui2.ini" || fail "kwui2.ini lacks width=640"

# A size that cannot be a display: logged, then the desktop question; "Yes" gives the desktop size.
for size in "-800 -600" "100000 100000" "1 1" "0 480"; do
  set -- $size
  printf '[video]\nwidth=%s\nheight=%s\nwindow=True\n' "$1" "$2" > "$WORK/kwui2.ini"
  rm -f "$LOG"
  start_asked
  [ "$(window_size "$APP_WIN")" = "1280x1024" ] || fail "window is $(window_size "$APP_WIN") for $1 x $2"
  grep -q "kwui2.ini asks for a $1 by $2 display" "$LOG" || fail "the error log does not explain the $1 x $2 size"
  quit_from_main_menu
  grep -qx 'width=1280' "$WORK/kwui2.ini" || fail "kwui2.ini does not hold the new size after $1 x $2"
  no_crash_report || fail "crash report with $1 x $2"
done

# Both files of random bytes: the question; at exit both are written whole again.
random_bytes "$WORK/kwui2.ini" 4096
random_bytes "$WORK/sodbolt.ini" 4096
start_asked
quit_from_main_menu
grep -qx 'width=1280' "$WORK/kwui2.ini" || fail "kwui2.ini was not written again after random bytes"
grep -qx 'ImageImportPath=' "$WORK/sodbolt.ini" || fail "sodbolt.ini was not written again after random bytes"

# Both files are folders: the question; at exit each failed write is logged, the folders stay, no temporary is left.
rm -f "$WORK/kwui2.ini" "$WORK/sodbolt.ini" "$LOG"
mkdir "$WORK/kwui2.ini" "$WORK/sodbolt.ini"
start_asked
quit_from_main_menu
grep -q 'Unable to write kwui2.ini' "$LOG" || fail "the failed write of kwui2.ini is not logged"
grep -q 'Unable to write sodbolt.ini' "$LOG" || fail "the failed write of sodbolt.ini is not logged"
[ -d "$WORK/kwui2.ini" ] && [ -d "$WORK/sodbolt.ini" ] || fail "a settings folder was replaced"
[ -z "$(ls "$WORK" | grep '\.new$')" ] || fail "a temporary settings file was left behind"
rmdir "$WORK/kwui2.ini" "$WORK/sodbolt.ini"

# A full screen the X server (1280 x 1024 only) has no mode for, by name and by a 100 KB value: logged, the question.
for window in False "$(long_value 102400 w)"; do
  printf '[video]\nwidth=800\nheight=600\nwindow=%s\n' "$window" > "$WORK/kwui2.ini"
  rm -f "$LOG"
  start_asked
  grep -q "no full-screen 800 by 600 display could be made" "$LOG" || fail "the error log does not explain the full screen"
  quit_from_main_menu
  grep -qx 'window=False' "$WORK/kwui2.ini" || fail "kwui2.ini does not hold the full screen chosen"
done

# 100 KB width, music path and tool paths, absurd volumes: each reported; the music dialog still opens.
music_path=/$(long_value 102400 m)
tool_path=/$(long_value 102400 t)
printf '[video]\nwidth=%s\nheight=600\nwindow=True\n[audio]\nSoundVolume=99999999999\nMusicVolume=-70\nMusicLoadPath=%s\n' \
  "$(long_value 102400 9)" "$music_path" > "$WORK/kwui2.ini"
printf '[other]\nImageImportPath=%s\nImageExportPath=\nImportZentorTilesPath=%s\nImportZentorSpritePath=\n' \
  "$tool_path" "$tool_path" > "$WORK/sodbolt.ini"
# No menu music, so the panel's dialog starts from the stored music path.
sed -i '/^MenuMusic=/d' "$WORK/base/game.ini"
remember_content
rm -f "$LOG"
start_asked
grep -q 'MusicLoadPath in kwui2.ini is not a usable path' "$LOG" || fail "the long music path is not reported"
grep -q 'SoundVolume in kwui2.ini is not a volume' "$LOG" || fail "the sound volume out of range is not logged"
grep -q 'kwui2.ini asks for a 2147483647 by 600 display' "$LOG" || fail "the 100 KB width is not logged"
grep -q 'ImageImportPath in sodbolt.ini is not a usable path' "$WORK/stderr.txt" || fail "the long tool path is not reported"
grep -q 'ImportZentorTilesPath in sodbolt.ini is not a usable path' "$WORK/stderr.txt" ||
  fail "the long Zentor path is not reported"
key Up Up Up Up Return   # Options; then Audio Panel, Load Music File (F3), Escape, Done
wait_change "$TITLE_BAR" "$menu" "the options menu"
options=$(area_sum "$TITLE_BAR")
key Down Return
wait_change "$TITLE_BAR" "$options" "the audio panel"
panel=$(area_sum "$FIELD")
key F3
wait_change "$FIELD" "$panel" "the music file dialog"
key Escape
sleep 1
app_running || fail "the program ended in the music file dialog"
key Return
wait_for "the options menu after the audio panel" 15 area_equals "$TITLE_BAR" "$options"
key Escape
back_at_menu "the options"
quit_from_main_menu
no_crash_report || fail "crash report with long settings"

grep -q "Invalid path" "$WORK/stderr.txt" && fail "a file dialog refused to open"
grep -qx 'width=1280' "$WORK/kwui2.ini" || fail "kwui2.ini does not hold the display's size"
grep -qx 'MusicLoadPath=' "$WORK/kwui2.ini" || fail "kwui2.ini kept the unusable music path"
grep -qx 'ImageImportPath=' "$WORK/sodbolt.ini" || fail "sodbolt.ini kept the unusable tool path"
grep -qE '^SoundVolume=-?[0-9]+$' "$WORK/kwui2.ini" || fail "kwui2.ini has no sound volume"
content_unchanged
pass
