# Helpers for the dialogs' screen tests: tools/dialoghost opens one dialog on Enter and appends each answer to
# dialoghost.txt. Source after lib.sh.

HOST_LOG=""
LINE_HEIGHT=0

# start_host MODE [START PATH]: the host in a scratch folder, its window up and "ready" logged.
start_host() {
  [ -e "$WORK/kwuidata" ] || make_workdir
  [ -n "$BUILD_DIR" ] && [ -x "$BUILD_DIR/dialoghost" ] || fail "dialoghost not built in '$BUILD_DIR'"
  HOST_LOG="$WORK/dialoghost.txt"
  rm -f "$HOST_LOG"
  launch "$BUILD_DIR/dialoghost" "$@"
  wait_window
  wait_for "the host to start" 20 grep -q '^ready' "$HOST_LOG"
  LINE_HEIGHT=$(sed -n 's/^ready lh=\([0-9]*\).*/\1/p' "$HOST_LOG" | head -n1)
  focus_app
}

# quit_host: Escape on the host screen itself ends it, with exit code 0.
quit_host() {
  key Escape
  wait_line "screen-escape"
  expect_exit 0
}

# escape_kept WHAT: the Escape that closed a dialog did not reach the host's screen as well.
escape_kept() { sleep 0.5; ! has_line "screen-escape" || fail "the Escape that $1 reached the screen underneath"; }
has_line() { grep -qx -- "$1" "$HOST_LOG"; }
wait_line() { wait_for "the answer '$1'" 15 has_line "$1"; }
line_count() { grep -c -- "$1" "$HOST_LOG" || true; }
count_is() { [ "$(line_count "$1")" = "$2" ]; }

# double_press_at X Y: two quick presses at one place, a double click.
double_press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.15
  xdotool mousedown 1; sleep 0.05; xdotool mouseup 1; sleep 0.08
  xdotool mousedown 1; sleep 0.05; xdotool mouseup 1; sleep 0.3
}

readonly HOST_GREEN="#005A00"
