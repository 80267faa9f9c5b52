# Steering an 800 x 600 program through its menus by pointer, for slow runs (valgrind, the soak): menu screens told
# apart from the rest by their bars. Source after lib.sh; learn_main_menu once it is up.

W=800
H=600
# How long a mouse button stays down: long enough for the slowest frame.
PRESS_HOLD=${PRESS_HOLD:-0.15}
grab() { shot && [ "$SHOT_W" = $W ]; }
grab_sum() { md5sum < "$SHOT" | cut -c1-12; }
# Rows 15 to 44 cross a menu's title (and the fixed web line).
title_sum() { crop_sum 800x30+0+15; }

MENU_TOP=""
MENU_BOTTOM=""
MAIN_TITLE=""
in_menu() { [ "$(px 790 12)" = "$MENU_TOP" ] && [ "$(px 795 560)" = "$MENU_BOTTOM" ]; }
in_main_menu() { in_menu && [ "$(title_sum)" = "$MAIN_TITLE" ]; }
# Fresh looks: each grabs the window first.
menu_now() { grab && in_menu; }
main_menu_now() { grab && in_main_menu; }
not_menu_now() { grab && ! in_menu; }
picture_now_differs() { grab && [ "$(grab_sum)" != "$1" ]; }

# learn_main_menu SECONDS: waits for the first main menu (a slow first frame can be seen half drawn) and remembers
# how it looks.
learn_main_menu() {
  wait_for "the main menu" "${1:-60}" menu_drawn
  wait_for "the main menu to settle" "${1:-60}" menu_settled
  grab
  MENU_TOP=$(px 790 12)
  MENU_BOTTOM=$(px 795 560)
  MAIN_TITLE=$(title_sum)
}

rest_pointer() { xdotool mousemove --window "$APP_WIN" 700 330 2>/dev/null || true; }
# Menu rows are 40 pixels apart from y 68.
row_y() { echo $((87 + 40 * $1)); }
# menu_press ROW: the pointer onto the row (from elsewhere, so the row is selected), then a press there.
menu_press() {
  xdotool mousemove --window "$APP_WIN" 600 330; sleep 0.2
  xdotool mousemove --window "$APP_WIN" 170 "$(row_y "$1")"; sleep 0.25
  xdotool mousedown 1; sleep "$PRESS_HOLD"; xdotool mouseup 1; sleep 0.2
  rest_pointer
}
# menu_choose ROW [SECONDS]: presses the row until the screen changes.
menu_choose() {
  local before tries limit="${2:-20}"
  grab || fail "no picture of the window"
  before=$(title_sum)
  for tries in 1 2 3; do
    menu_press "$1"
    local end=$((SECONDS + limit))
    while [ $SECONDS -lt $end ]; do
      type check_alive >/dev/null 2>&1 && check_alive
      if grab && [ "$(title_sum)" != "$before" ]; then return 0; fi
      sleep 0.2
    done
  done
  fail "menu row $1 could not be chosen"
}
# leave_by_exit SECONDS: from the main menu, Exit (the last row); the exit code in EXIT_CODE. A press that a slow
# frame did not see is given again while the main menu still shows.
leave_by_exit() {
  local limit="${1:-60}" tries
  for tries in 1 2 3 4; do
    menu_press 5
    wait_until 20 app_stopped && break
    main_menu_now || break
  done
  wait_for "the program to exit" "$limit" app_stopped
  EXIT_CODE=0
  wait "$APP_PID" || EXIT_CODE=$?
  APP_PID=""
}
