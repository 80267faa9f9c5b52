# Helpers for end-to-end tests: the real program in a scratch working folder under the X display that
# scripts/with-display.sh started, driven with xdotool. Usage in a test: source "$(dirname "$0")/lib.sh" "$@"
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

# cleanup_e2e: the program ended; the folder kept when a test failed, so that its screenshot can be looked at.
cleanup_e2e() {
  if [ -n "$APP_PID" ]; then
    pkill -9 -P "$APP_PID" 2>/dev/null || true
    kill -9 "$APP_PID" 2>/dev/null || true
  fi
  if [ "${E2E_PASSED:-0}" = 1 ]; then rm -rf "$WORK"; fi
}
trap cleanup_e2e EXIT

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run through scripts/with-display.sh"

# make_workdir [--no-ini]: a copy of base/, kwuidata/ linked, an 800 x 600 windowed kwui2.ini unless --no-ini.
make_workdir() {
  cp -r "$REPO_ROOT/base" "$WORK/base"
  ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"
  [[ " $* " == *" --no-ini "* ]] || printf '[video]\nwidth=800\nheight=600\nwindow=True\n' > "$WORK/kwui2.ini"
}

# launch PROGRAM ARGS...: the program in RUN_DIR (the working folder) in the background; its exit code lands in
# $WORK/.exit_code (errexit off, or a non-zero exit would end the subshell before it is written).
launch() {
  rm -f "$WORK/.exit_code"
  (set +e; cd "${RUN_DIR:-$WORK}" && "$@" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt"; echo $? >"$WORK/.exit_code") &
  APP_PID=$!
}
start_app() { launch "$SODBOLT_BIN" "$@"; }

# wait_for DESCRIPTION SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local what="$1" limit="$2"; shift 2
  wait_until "$limit" "$@" || fail "timed out after ${limit}s waiting for $what"
}
# wait_until SECONDS COMMAND...: the same, giving back failure instead of failing the test.
wait_until() {
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
}

find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
window_present() { [ -n "$(find_window "$1")" ]; }
window_gone() { ! window_present "$1"; }
wait_window() {
  local name="${1:-^Sodbolt\$}" limit="${2:-90}"
  wait_for "window '$name'" "$limit" window_present "$name"
  APP_WIN=$(find_window "$name")
}
window_size() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }

# Without a window manager the keyboard follows the pointer, so it is kept inside the program's window.
focus_app() { xdotool mousemove --window "$APP_WIN" 5 5; }
key() { xdotool key --delay 60 "$@"; sleep 0.15; }
type_text() {
  if printf %s "$1" | LC_ALL=C grep -q '[^[:print:]]'; then python3 "$E2E_DIR/x11.py" letters "$1"; sleep 0.3; fi
  xdotool type --delay 60 "$1"; sleep 0.15
}
# close_window ID: the window manager's close (WM_DELETE_WINDOW), as the title bar's close button sends it.
close_window() { python3 "$E2E_DIR/x11.py" close "$1"; }

# answer_native_box TITLE FRACTION: clicks a native message box's bottom row at FRACTION of its width (0.5 a single
# OK, 0.25 the left of two) again only while the box is certainly there, so that none lands on the window behind.
answer_native_box() {
  wait_window "$1" 30
  local box="$APP_WIN" size
  for _ in 1 2 3 4 5; do
    size=$(window_size "$box" 2>/dev/null) || break
    sleep 0.3
    xdotool mousemove --window "$box" "$(awk "BEGIN { printf \"%d\", ${size%x*} * $2 }")" $((${size#*x} - 16)) 2>/dev/null || break
    sleep 0.2
    window_present "$1" || break
    xdotool click 1
    wait_until 4 window_gone "$1" && break
  done
  xdotool mousemove 1200 1000
  window_present "$1" && fail "native box '$1' did not close"
  return 0
}

# [Pixels] shot: a picture of the window; px X Y (#RRGGBB) and crop_sum WxH+X+Y (a checksum) read the last one.
SHOT="$WORK/shot.ppm"
shot() {
  import -window "$APP_WIN" -depth 8 "ppm:$SHOT" 2>/dev/null || return 1
  local magic max
  { read -r magic; read -r SHOT_W SHOT_H; read -r max; } < "$SHOT"
  SHOT_SKIP=$(( ${#magic} + ${#SHOT_W} + ${#SHOT_H} + ${#max} + 4 ))
}
px() {
  local v; v=$(od -An -tx1 -j $((SHOT_SKIP + ($2 * SHOT_W + $1) * 3)) -N3 "$SHOT" | tr -d ' \n')
  echo "#${v^^}"
}
crop_sum() { convert "ppm:$SHOT" -crop "$1" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1; }
pixel() { shot && px "$1" "$2"; }
area_sum() { shot && crop_sum "$1"; }
area_differs() { [ "$(area_sum "$1")" != "$2" ]; }
area_equals() { [ "$(area_sum "$1")" = "$2" ]; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
pixel_not() { local p; p=$(pixel "$1" "$2"); [ ${#p} = 7 ] && [ "$p" != "$3" ]; }
# lit COLOUR: neither black nor one of the near-black shades shown while the program tries its display.
lit() { [ ${#1} = 7 ] && [[ $1 != "#0000"* ]]; }
wait_pixel() { wait_for "colour $3 at $1,$2 ($4)" 20 pixel_is "$1" "$2" "$3"; }
# wait_change GEOMETRY SUM WHAT [SECONDS]: until that part of the window no longer has the checksum SUM.
wait_change() { wait_for "$3" "${4:-15}" area_differs "$1" "$2"; }
TITLE_BLUE="#0303FF"   # title bars of toolbars and dialogs

# press_at X Y [BUTTON]: a press held long enough for a once-a-frame poll on a busy machine.
press_at() {
  xdotool mousemove --window "$APP_WIN" "$1" "$2"; sleep 0.2
  xdotool mousedown "${3:-1}"; sleep 0.25; xdotool mouseup "${3:-1}"; sleep 0.3
}
pointer_home() { xdotool mousemove --window "$APP_WIN" 5 5; sleep 0.2; }

# [Menus] every menu screen has the same title and bottom bars, with no text at their right ends.
TITLE_BAR=780x40+10+10   # the menu's title and web line on 800 x 600
menu_drawn() { shot && lit "$(px $((SHOT_W - 10)) 12)" && lit "$(px $((SHOT_W - 5)) $((SHOT_H - 40)))"; }
menu_settled() {
  local seen; seen=$(area_sum "$TITLE_BAR")
  sleep 1
  menu=$(area_sum "$TITLE_BAR")
  [ "$menu" = "$seen" ]
}
# start_menu [ARGS]: the program up on its main menu (Exit selected), the title bar's checksum in $menu.
start_menu() { start_app "$@"; menu_up; }
menu_up() {
  wait_window
  focus_app
  wait_for "the main menu" 60 menu_drawn
  wait_for "the main menu to settle" 30 menu_settled
}
# go KEYS...: the keys, then a wait until the title bar shows another menu or screen.
go() {
  local before; before=$(area_sum "$TITLE_BAR")
  key "$@"
  wait_change "$TITLE_BAR" "$before" "the screen after $*"
}
# back_at_menu WHAT [SECONDS]: the main menu of start_menu shows again.
back_at_menu() { wait_for "the main menu after $1" "${2:-15}" area_equals "$TITLE_BAR" "$menu"; }
# quit_from_main_menu: the pointer onto the main menu's last row (Exit) and off it to the left, Enter, exit code 0.
EXIT_ROW_Y=286
select_exit() {
  xdotool mousemove --window "$APP_WIN" 100 "$EXIT_ROW_Y"; sleep 0.4
  xdotool mousemove --window "$APP_WIN" 5 "$EXIT_ROW_Y"; sleep 0.2
}
quit_from_main_menu() { select_exit; key Return; expect_exit 0 30; }


# expect_fields FILE NAME=VALUE...: FILE (a dump of a content file) has each "NAME=VALUE" line.
expect_fields() {
  local file="$1" pair got; shift
  for pair in "$@"; do
    got=$(sed -n "s/^${pair%%=*}=//p" "$file")
    [ "$got" = "${pair#*=}" ] || fail "$(basename "$file"): ${pair%%=*} is '$got', expected '${pair#*=}'"
  done
}
stamp() { stat -c %y "$1"; }
no_crash_report() {
  ! grep -qiE 'segmentation|abort|terminate called|AddressSanitizer|runtime error' "$WORK/stderr.txt" 2>/dev/null
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }
app_stopped() { ! kill -0 "$APP_PID" 2>/dev/null; }
# kill_app: SIGKILL to the program, as a crash or a power cut would end it, and wait until it is gone.
kill_app() {
  local program; program=$(pgrep -P "$APP_PID" | head -n1 || true)
  [ -n "$program" ] && kill -9 "$program"
  wait_for "the killed program to go" 20 app_stopped
}

# expect_exit CODE [SECONDS]: waits for the program to end with that exit code.
expect_exit() {
  wait_for "the program to exit" "${2:-20}" app_stopped
  [ "$(cat "$WORK/.exit_code")" = "$1" ] || fail "exit code $(cat "$WORK/.exit_code"), expected $1"
}

# E2E_SHOTS=folder keeps a passing test's screenshots for a look.
pass() {
  if [ -n "${E2E_SHOTS:-}" ]; then cp "$WORK"/*.png "$E2E_SHOTS"/ 2>/dev/null || true; fi
  E2E_PASSED=1
  echo "PASS: $(basename "$0")"
}
