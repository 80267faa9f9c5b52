# Helpers for the hostile-input tests: damaged settings and content in a
# scratch copy of base/, the program started on them, and checks that it
# stays up, says something and leaves the files as they were.
# Source after lib.sh and game_lib.sh.

# content_fingerprint: every file under the scratch base/ (save games aside:
# the game writes those by design).
content_fingerprint() {
  (cd "$WORK" && find base -type f ! -path 'base/savegames/*' -print0 | sort -z | xargs -0 -r md5sum)
}

remember_content() { content_fingerprint > "$WORK/content.before"; }
content_unchanged() {
  content_fingerprint > "$WORK/content.after"
  diff -q "$WORK/content.before" "$WORK/content.after" >/dev/null ||
    fail "content files changed: $(diff "$WORK/content.before" "$WORK/content.after" | head -n 4 | tr '\n' ' ')"
}

# no_crash_report: the program's own error output names no crash.
no_crash_report() {
  ! grep -qiE 'segmentation|abort|terminate called|AddressSanitizer|runtime error' "$WORK/stderr.txt" 2>/dev/null
}

# menu_up [SECONDS]: the window is there and the main menu has drawn its
# title bar (something other than black at its left end).
menu_drawn() {
  shot "$WORK/menu.png"
  [ "$(convert "$WORK/menu.png" -crop 300x30+10+10 +repage -format '%[fx:mean]' info:)" != 0 ]
}
menu_up() {
  wait_window '^Sodbolt$' "${1:-30}"
  focus_app
  wait_for "the main menu" "${1:-30}" menu_drawn
  select_exit
}

# select_exit: the pointer onto the main menu's last row (Exit), whatever the
# program took the pointer's place to be when the window opened, then off
# the rows (left of them), so that menus opened later keep their keyboard
# selection.
EXIT_ROW_Y=286
select_exit() {
  xdotool mousemove --window "$APP_WIN" 100 "$EXIT_ROW_Y"
  sleep 0.4
  xdotool mousemove --window "$APP_WIN" 5 "$EXIT_ROW_Y"
  sleep 0.2
}

# quit_from_main_menu: the main menu opens on Exit; the program must end with 0.
quit_from_main_menu() {
  select_exit
  key Return
  await_exit 30
  [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after Exit, not 0"
}

# random_bytes FILE COUNT: COUNT random bytes over the file (a failed test
# keeps its folder, so the bytes can be looked at).
random_bytes() { head -c "$2" /dev/urandom > "$1"; }

# answer_box_once TITLE FRACTION: like answer_native_box, but a click is
# repeated only while the box is certainly still there, so that no click
# lands on the window that opens behind it; the pointer then leaves the
# menu rows, so that the main menu keeps Exit selected.
answer_box_once() {
  wait_window "$1" 30
  local box="$APP_WIN" size w h x
  for _ in 1 2 3 4 5; do
    size=$(window_size "$box" 2>/dev/null) || break
    w=${size%x*}; h=${size#*x}
    x=$(awk -v w="$w" -v f="$2" 'BEGIN { printf "%d", w * f }')
    sleep 0.3
    xdotool mousemove --window "$box" "$x" $((h - 16)) 2>/dev/null || break
    sleep 0.2
    window_present "$1" || break
    xdotool click 1
    local end=$((SECONDS + 4))
    while window_present "$1" && [ $SECONDS -lt $end ]; do sleep 0.1; done
    window_present "$1" || break
  done
  xdotool mousemove 1200 1000
  window_present "$1" && fail "native box '$1' did not close"
  return 0
}
