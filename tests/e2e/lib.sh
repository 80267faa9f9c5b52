# Helpers for end-to-end tests: the real program in a scratch working folder under the X display that test.sh
# started, driven with xdotool. Usage in a test: source "$(dirname "$0")/lib.sh" "$@"
set -euo pipefail

SODBOLT_BIN="$1"
REPO_ROOT="$2"
BUILD_DIR="${3:-}"
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WORK=$(mktemp -d /tmp/sodbolt-e2e.XXXXXX)
APP_PID=""
APP_WIN=""

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$WORK/failure.png" 2>/dev/null && echo "screenshot: $WORK/failure.png" >&2; fi
  [ -f "$WORK/stderr.txt" ] && tail -n 20 "$WORK/stderr.txt" >&2
  exit 1
}

cleanup_e2e() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
    pkill -9 -P "$APP_PID" 2>/dev/null || true
    kill -9 "$APP_PID" 2>/dev/null || true
  fi
  # Keep the folder when a test failed so its screenshot can be looked at.
  if [ "${E2E_PASSED:-0}" = 1 ]; then rm -rf "$WORK"; fi
}
trap cleanup_e2e EXIT

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run through ./test.sh"

# make_workdir [--copy-base] [--no-ini]: a copy of base/ (always a copy, so that nothing reaches the repository's
# content), kwuidata/ linked, and an 800 x 600 windowed kwui2.ini unless --no-ini.
make_workdir() {
  cp -r "$REPO_ROOT/base" "$WORK/base"
  ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"
  [[ " $* " == *" --no-ini "* ]] || printf '[video]\nwidth=800\nheight=600\nwindow=True\n' > "$WORK/kwui2.ini"
}
# tiny_workdir: only what start-up needs (overlay pictures and a plain menu picture), kwuidata/ linked, no kwui2.ini.
tiny_workdir() {
  mkdir -p "$WORK/base"
  for image in inter_LevelComplete inter_OutOfTime inter_Paused; do convert -size 16x16 xc:red "$WORK/base/$image.tga"; done
  convert -size 800x600 xc:'#204020' "$WORK/base/menuback.tga"
  ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"
}

# launch PROGRAM ARGS...: the program in the working folder in the background; its exit code lands in
# $WORK/.exit_code, so that wait_exit works also from a sub-shell such as $(wait_exit 20).
launch() {
  rm -f "$WORK/.exit_code"
  # errexit off in the subshell, or a non-zero exit would end it before the code is written.
  (set +e; cd "$WORK" && "$@" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt"; echo $? >"$WORK/.exit_code") &
  APP_PID=$!
}

start_app() { launch "$SODBOLT_BIN" "$@"; }

# wait_for DESCRIPTION SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local what="$1" limit="$2"; shift 2
  local end=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $end ] && fail "timed out after ${limit}s waiting for $what"
    sleep 0.1
  done
}

# wait_until SECONDS COMMAND...: like wait_for, but gives back failure instead of failing the test.
wait_until() {
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
}

find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
window_present() { [ -n "$(find_window "$1")" ]; }

wait_window() {
  local name="${1:-^Sodbolt\$}" limit="${2:-30}"
  wait_for "window '$name'" "$limit" window_present "$name"
  APP_WIN=$(find_window "$name")
}

window_size() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }

# Without a window manager the keyboard follows the pointer, so it is kept inside the program's window.
focus_app() { xdotool mousemove --window "$APP_WIN" 5 5; }
key() { xdotool key --delay 60 "$@"; sleep 0.15; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.15; }
screenshot() { import -window root "$1"; }
# close_window ID: the window manager's close (WM_DELETE_WINDOW), as the title bar's close button sends it.
close_window() { python3 "$E2E_DIR/x11.py" close "$1"; }

# answer_native_box TITLE FRACTION: clicks the button of a native message box at FRACTION of its width along the
# bottom row (0.5 for a single OK, 0.25 for the left of two), until the box goes; a click is repeated only while the
# box is certainly still there, so that none lands on the window behind it. The pointer then leaves.
answer_native_box() {
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

# pixel X Y: the colour at a window position as #RRGGBB.
pixel() {
  import -window "$APP_WIN" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -n1
}
# area_sum WxH+X+Y: a checksum of the pixels of that part of the window, to wait for a change or its undoing.
area_sum() { import -window "$APP_WIN" -crop "$1" +repage -depth 8 rgb:- 2>/dev/null | md5sum | cut -d' ' -f1; }
area_differs() { [ "$(area_sum "$1")" != "$2" ]; }
area_equals() { [ "$(area_sum "$1")" = "$2" ]; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
pixel_not() { local p; p=$(pixel "$1" "$2"); [ -n "$p" ] && [ "$p" != "$3" ]; }
# pixel_lit X Y: neither black nor one of the near-black shades shown while the program tries its display.
pixel_lit() { local p; p=$(pixel "$1" "$2"); [ -n "$p" ] && [[ $p != "#0000"* ]]; }
wait_pixel() { wait_for "colour $3 at $1,$2 ($4)" 20 pixel_is "$1" "$2" "$3"; }
TITLE_BLUE="#0303FF"   # title bars of toolbars and dialogs

# press_at X Y [BUTTON]: a press held long enough for a once-a-frame poll on a busy machine.
press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.2
  xdotool mousedown "${3:-1}"; sleep 0.25; xdotool mouseup "${3:-1}"; sleep 0.3
}

# The audio panel on 800 x 600 spans (85, 65) to (715, 535).
panel_shown() { pixel_is 400 70 "$TITLE_BLUE"; }
panel_gone() { pixel_not 400 70 "$TITLE_BLUE"; }
pointer_home() { xdotool mousemove --window "$APP_WIN" 5 5; sleep 0.2; }
# The menu screens' title and bottom bars are drawn once the program takes keys.
menu_bars_drawn() { pixel_lit 790 12 && pixel_lit 795 560; }
# open_screen NAME: opens the screen by the keys that lead to it and waits until it shows. The program's menus:
# "Audio Panel" from the main menu as it starts (on Exit), "Video Options" from the options menu. The dialog
# host's dialogs (Enter opens the one it was started with): "Edit Text String", "Select Colour", "Confirm",
# "Message", "Open File", "Object Browser".
open_screen() {
  local route=Return x=400 y colour="$TITLE_BLUE"
  case "$1" in
    "Audio Panel") route="Down Down Return Down Return"; y=70 ;;
    "Video Options") route="Down Return"; y=65 ;;
    "Edit Text String") x=200; y=25 ;;
    "Select Colour") x=300; y=105 ;;
    "Confirm" | "Message") y=$(( (600 - 8 * LINE_HEIGHT) / 2 + 5 )) ;;
    "Open File") y=5 ;;
    "Object Browser") y=590; colour="#81A2FF" ;;   # its backdrop
    *) fail "open_screen: no way to '$1'" ;;
  esac
  if [ "$route" != Return ]; then wait_for "the menu" 30 menu_bars_drawn; pointer_home; fi
  # shellcheck disable=SC2086
  key $route
  wait_for "the screen '$1'" 15 pixel_is "$x" "$y" "$colour"
}
# quit_from_options: the options menu back to the main menu, then Exit with exit code 0.
quit_from_options() { pointer_home; key Escape; key Up; key Up; key Return; expect_exit 0; }

# expect_fields FILE NAME=VALUE...: FILE (a dump of a content file) has each "NAME=VALUE" line.
expect_fields() {
  local file="$1" pair got; shift
  for pair in "$@"; do
    got=$(sed -n "s/^${pair%%=*}=//p" "$file")
    [ "$got" = "${pair#*=}" ] || fail "$(basename "$file"): ${pair%%=*} is '$got', expected '${pair#*=}'"
  done
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }
app_stopped() { ! kill -0 "$APP_PID" 2>/dev/null; }
# kill_app: SIGKILL to the program, as a crash or a power cut would end it, and wait until it is gone.
kill_app() {
  local program; program=$(pgrep -P "$APP_PID" | head -n1 || true)
  [ -n "$program" ] && kill -9 "$program"
  wait_for "the killed program to go" 20 app_stopped
}

# wait_exit SECONDS: waits for the program to end and prints its exit code.
wait_exit() {
  local limit="${1:-20}"
  wait_for "the program to exit" "$limit" app_stopped
  local code=0
  if [ -f "$WORK/.exit_code" ]; then
    code=$(cat "$WORK/.exit_code")
  else
    wait "$APP_PID" 2>/dev/null || code=$?
  fi
  echo "$code"
}

# expect_exit CODE [SECONDS]: waits for the program to end with that exit code.
expect_exit() {
  local code
  code=$(wait_exit "${2:-20}")
  [ "$code" = "$1" ] || fail "exit code $code, expected $1"
}

# E2E_SHOTS=folder keeps a passing test's screenshots for a look.
pass() {
  if [ -n "${E2E_SHOTS:-}" ]; then cp "$WORK"/*.png "$E2E_SHOTS"/ 2>/dev/null || true; fi
  E2E_PASSED=1
  echo "PASS: $(basename "$0")"
}
