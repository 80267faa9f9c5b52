#!/usr/bin/env bash
# A stored 800 x 600 window setting opens that window; Exit quits cleanly and
# the settings are written back.
source "$(dirname "$0")/lib.sh" "$@"

make_workdir
start_app
wait_window
[ "$(window_size "$APP_WIN")" = "800x600" ] || fail "window is $(window_size "$APP_WIN"), expected 800x600"

focus_app
# The main menu starts with Exit selected.
sleep 1
key Return
expect_exit 0

grep -qx 'width=800' "$WORK/kwui2.ini" || fail "kwui2.ini lacks width=800"
grep -qx 'height=600' "$WORK/kwui2.ini" || fail "kwui2.ini lacks height=600"
grep -qx 'window=True' "$WORK/kwui2.ini" || fail "kwui2.ini lacks window=True"
grep -q '^\[other\]' "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks section other"
for k in ImageImportPath ImageExportPath ImportZentorTilesPath ImportZentorSpritePath; do
  grep -q "^$k" "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks $k"
done
pass
