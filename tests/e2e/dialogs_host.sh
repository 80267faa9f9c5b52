# Helpers for the dialogs' screen tests: they drive tools/dialoghost, which
# opens one dialog on Enter and appends each answer to dialoghost.txt.
# Source after lib.sh.

HOST_LOG=""
LINE_HEIGHT=0

# start_host MODE [START PATH]: starts the host in the scratch folder and
# waits for its window and its "ready" line.
start_host() {
  [ -n "$BUILD_DIR" ] && [ -x "$BUILD_DIR/dialoghost" ] || fail "dialoghost not built in '$BUILD_DIR'"
  HOST_LOG="$WORK/dialoghost.txt"
  launch "$BUILD_DIR/dialoghost" "$@"
  wait_window
  wait_for "the host to start" 20 grep -q '^ready' "$HOST_LOG"
  LINE_HEIGHT=$(sed -n 's/^ready lh=\([0-9]*\).*/\1/p' "$HOST_LOG" | head -n1)
  focus_app
}

has_line() { grep -qx -- "$1" "$HOST_LOG"; }
wait_line() { wait_for "the answer '$1'" 15 has_line "$1"; }
line_count() { grep -c -- "$1" "$HOST_LOG" || true; }

# pixel X Y: the colour at a window position as #RRGGBB.
pixel() {
  import -window "$APP_WIN" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -n1
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
wait_pixel() { wait_for "colour $3 at $1,$2 ($4)" 15 pixel_is "$1" "$2" "$3"; }

# Mouse presses held long enough for a once-a-frame poll to see them, also
# when the machine is busy.
press_at() {
  local button="${3:-1}"
  xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.2
  xdotool mousedown "$button"; sleep 0.25; xdotool mouseup "$button"; sleep 0.3
}
double_press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.15
  xdotool mousedown 1; sleep 0.05; xdotool mouseup 1; sleep 0.08
  xdotool mousedown 1; sleep 0.05; xdotool mouseup 1; sleep 0.3
}

readonly TITLE_BLUE="#0303FF"
readonly HOST_GREEN="#005A00"
