#!/usr/bin/env bash
# Without kwui2.ini the program asks whether to use the desktop resolution;
# "No" gives a 640 x 480 window.
source "$(dirname "$0")/lib.sh" "$@"

make_workdir --no-ini
start_app
# The box has "No" on the left and "Yes" on the right along its bottom.
answer_native_box 'Screen Resolution' 0.25

# A display-mode dialog may follow: leaving it keeps the window as it is.
wait_window '^Sodbolt$' 30
sleep 1
focus_app
[ "$(window_size "$APP_WIN")" = "640x480" ] || fail "window is $(window_size "$APP_WIN"), expected 640x480"
# Escape leaves the dialog; the main menu starts with Exit selected.
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
pass
