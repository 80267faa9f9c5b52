#!/usr/bin/env bash
# Start-up: a stored 800 x 600 window opens and Exit writes the settings back; without kwui2.ini "No" to the
# desktop resolution gives 640 x 480; a missing font stops it with a native error box and exit code 1.
source "$(dirname "$0")/lib.sh" "$@"

make_workdir
start_app
wait_window
[ "$(window_size "$APP_WIN")" = "800x600" ] || fail "window is $(window_size "$APP_WIN"), expected 800x600"
focus_app
wait_for "the menu" 30 menu_bars_drawn
key Return   # the main menu starts with Exit selected
expect_exit 0
expect_fields "$WORK/kwui2.ini" width=800 height=600 window=True
grep -q '^\[other\]' "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks section other"
for k in ImageImportPath ImageExportPath ImportZentorTilesPath ImportZentorSpritePath; do
  grep -q "^$k" "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks $k"
done

rm "$WORK/kwui2.ini"
start_app
# The box has "No" on the left and "Yes" on the right along its bottom.
answer_native_box 'Screen Resolution' 0.25
wait_window '^Sodbolt$' 30
sleep 1
focus_app
[ "$(window_size "$APP_WIN")" = "640x480" ] || fail "window is $(window_size "$APP_WIN"), expected 640x480"
# A display-mode dialog may follow: Escape leaves it; the main menu starts with Exit selected.
for _ in 1 2 3; do
  app_running || break
  key Escape
  sleep 0.5
  app_running || break
  key Return
  sleep 0.5
done
expect_exit 0
grep -qx 'width=640' "$WORK/kwui2.ini" || fail "kwui2.ini lacks width=640"

rm "$WORK/kwuidata"
mkdir -p "$WORK/kwuidata/fonts"
ln -s "$REPO_ROOT/kwuidata/textures" "$WORK/kwuidata/textures"
start_app
answer_native_box '^Message$' 0.5
answer_native_box '^Error$' 0.5   # the toolkit's start reports its own failure next
expect_exit 1
pass
