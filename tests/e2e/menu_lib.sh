# Steering an 800 x 600 program through its menus by looking at the window: one grab of its pixels, menu screens
# told apart from the rest, rows chosen with the pointer. Source after lib.sh; learn_main_menu once it is up.

W=800
H=600
GRAB="$WORK/grab.rgb"
# How long a mouse button stays down: long enough for the slowest frame.
PRESS_HOLD=${PRESS_HOLD:-0.15}

grab() {
  rm -f "$GRAB"
  import -window "$APP_WIN" -depth 8 "rgb:$GRAB" 2>/dev/null || true
  [ -f "$GRAB" ] && [ "$(stat -c %s "$GRAB")" = $((W * H * 3)) ]
}
# px X Y: a pixel of the last grab as rrggbb.
px() { od -An -tx1 -j $((($2 * W + $1) * 3)) -N3 "$GRAB" | tr -d ' \n'; }
grab_sum() { md5sum < "$GRAB" | cut -c1-12; }
# Rows 15 to 44 cross a menu's title (and the fixed web line).
title_sum() { dd if="$GRAB" bs=$((W * 3)) skip=15 count=30 status=none | md5sum | cut -c1-12; }

# Every menu screen has the same title and bottom bars, with no text at their right ends.
MENU_TOP=""
MENU_BOTTOM=""
MAIN_TITLE=""
in_menu() { [ "$(px 790 12)" = "$MENU_TOP" ] && [ "$(px 795 560)" = "$MENU_BOTTOM" ]; }
in_main_menu() { in_menu && [ "$(title_sum)" = "$MAIN_TITLE" ]; }
# Fresh looks: each grabs the window first.
menu_now() { grab && in_menu; }
main_menu_now() { grab && in_main_menu; }
not_menu_now() { grab && ! in_menu; }
title_now_differs() { grab && [ "$(title_sum)" != "$1" ]; }
picture_now_differs() { grab && [ "$(grab_sum)" != "$1" ]; }

# learn_main_menu SECONDS: waits for the first main menu (after the black console) and remembers how it looks.
# Black and the near-black shades the program shows while it tries its display are no menu.
lit() { [[ $1 != 0000* ]]; }
menu_drawn() { grab && lit "$(px 790 12)" && lit "$(px 795 560)"; }
# A slow first frame (valgrind) can be seen half drawn: what is learnt is a
# picture that stays the same for a second.
menu_settled() {
  menu_drawn || return 1
  local seen="$(px 790 12) $(px 795 560) $(title_sum)"
  sleep 1
  menu_drawn && [ "$(px 790 12) $(px 795 560) $(title_sum)" = "$seen" ]
}
learn_main_menu() {
  wait_for "the main menu" "${1:-60}" menu_drawn
  wait_for "the main menu to settle" "${1:-60}" menu_settled
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
      if title_now_differs "$before"; then return 0; fi
      sleep 0.2
    done
  done
  fail "menu row $1 could not be chosen"
}

# leave_by_exit SECONDS: from the main menu, Exit (the last row); the exit code in EXIT_CODE.
# A press that a slow frame (valgrind, a busy machine) did not see is given again while the main menu still shows.
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
