#!/usr/bin/env bash
# Leak check of short sessions from start to the main menu's Exit:
#   tests/e2e/leaks.sh [SODBOLT (build/sodbolt)] [SCENARIO... (all of: menu level mapeditor tileeditor spriteeditor)]
# A normal build runs under valgrind: a definitely lost block not named in leaks.supp whose stack reaches our own
# sources fails. A sanitizer build uses LeakSanitizer: any report fails. Without a DISPLAY it starts its own.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
REPO=$(cd "$HERE/../.." && pwd)
BIN=${1:-$REPO/build/sodbolt}
[ $# -gt 0 ] && shift
[ -x "$BIN" ] || { echo "leaks: no program at $BIN (build it first)" >&2; exit 2; }
BIN=$(realpath "$BIN")
SCENARIOS=("$@")
[ ${#SCENARIOS[@]} -gt 0 ] || SCENARIOS=(menu level mapeditor tileeditor spriteeditor)
if [ -z "${DISPLAY:-}" ]; then
  exec "$REPO/scripts/with-display.sh" "$HERE/leaks.sh" "$BIN" "${SCENARIOS[@]}"
fi

source "$HERE/lib.sh" "$BIN" "$REPO" "$(dirname "$BIN")"
source "$HERE/menu_lib.sh"

if grep -q __asan_init "$BIN" 2>/dev/null; then
  MODE=lsan
  LIMIT=60
else
  command -v valgrind >/dev/null || fail "valgrind is missing"
  MODE=valgrind
  LIMIT=300
  PRESS_HOLD=1.2   # a frame under valgrind can take most of a second
fi
echo "leaks: $MODE, $BIN"

make_workdir --copy-base
FAILED=()
LIGHT_BLUE=81a2ff

start_checked_app() {
  rm -f "$WORK"/*.vg
  if [ $MODE = valgrind ]; then
    (cd "$WORK" && exec valgrind --leak-check=full --undef-value-errors=no --show-leak-kinds=definite \
       --errors-for-leak-kinds=definite --suppressions="$HERE/leaks.supp" --num-callers=50 \
       --fullpath-after="$REPO/" --log-file="$WORK/%p.vg" \
       "$BIN" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
  else
    (cd "$WORK" && exec "$BIN" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
  fi
  APP_PID=$!
  wait_window '^Sodbolt$' "$LIMIT"
  focus_app
  learn_main_menu "$LIMIT"
}

definite_leaks() {
  awk '/definitely lost in loss record/ { on = 1 } on { print } on && /^==[0-9]+== $/ { on = 0 }' "$1"
}

judge() {   # after the program ended: did it leak?
  local name="$1"
  if [ "$EXIT_CODE" != 0 ]; then
    echo "leaks: $name: exit code $EXIT_CODE"; tail -n 40 "$WORK/stderr.txt"; FAILED+=("$name"); return
  fi
  if [ $MODE = lsan ]; then
    if grep -Eq 'ERROR: (LeakSanitizer|AddressSanitizer)|runtime error:' "$WORK/stderr.txt"; then
      echo "leaks: $name: sanitizer report"
      sed -n '/ERROR: /,$p' "$WORK/stderr.txt" | head -n 80
      FAILED+=("$name")
    else
      echo "leaks: $name: no leak reported"
    fi
    return
  fi
  local log="$WORK/$LAST_PID.vg" records ours
  [ -f "$log" ] || { echo "leaks: $name: no valgrind log"; FAILED+=("$name"); return; }
  records=$(definite_leaks "$log")
  # Our frames carry paths below the repository (shortened by --fullpath-after).
  ours=$(echo "$records" | awk '
    /definitely lost in loss record/ { rec = $0 "\n"; next }
    { rec = rec $0 "\n" }
    /\((app|audio|content|editors|game|kwui|platform)\/[^:)]+:[0-9]+\)/ { hit = 1 }
    /^==[0-9]+== $/ { if (hit) printf "%s", rec; hit = 0; rec = "" }')
  if [ -n "$ours" ]; then
    echo "leaks: $name: definite leaks through our code:"
    echo "$ours"
    FAILED+=("$name")
  elif [ -n "$records" ]; then
    echo "leaks: $name: none from our code; the system libraries lose:"
    echo "$records" | grep -E 'definitely lost in loss record'
  else
    echo "leaks: $name: nothing definitely lost"
  fi
  grep -E 'definitely lost:|indirectly lost:' "$log" | sed "s/^/leaks: $name: /"
}

finish() {
  LAST_PID=$APP_PID
  leave_by_exit "$LIMIT"
  judge "$1"
}

field_drawn() { grab && ! in_menu && [ "$(px 400 300)" != 000000 ]; }
scenario_level() {
  rm -f "$WORK"/base/savegames/*.sav
  start_checked_app
  menu_choose 0 "$LIMIT"           # Play
  menu_choose 0 "$LIMIT"           # slot 1, empty
  menu_choose 1 "$LIMIT"           # Normal
  wait_for "level 1" "$LIMIT" field_drawn
  xdotool keydown Right; sleep 1; xdotool keyup Right
  sleep 2
  xdotool key Escape
  wait_for "the main menu after the level" "$LIMIT" main_menu_now
  finish level
}

editor_drawn() { grab && ! in_menu && [ "$(px 795 597)" = "$LIGHT_BLUE" ]; }
# scenario_editor NAME ROW: Tools, the editor on that row, Exit and Yes.
scenario_editor() {
  start_checked_app
  menu_choose 2 "$LIMIT"           # Tools
  menu_choose "$2" "$LIMIT"
  xdotool mousemove --window "$APP_WIN" 790 597
  wait_for "the $1" "$LIMIT" editor_drawn
  sleep 1
  local editor; editor=$(grab_sum)
  xdotool key Escape
  wait_for "the Exit question" "$LIMIT" picture_now_differs "$editor"
  sleep 0.5
  xdotool key Return
  wait_for "the Tools menu" "$LIMIT" menu_now
  xdotool key Escape
  wait_for "the main menu" "$LIMIT" main_menu_now
  finish "$1"
}

for scenario in "${SCENARIOS[@]}"; do
  case "$scenario" in
    menu) start_checked_app; finish menu ;;
    level) scenario_level ;;
    mapeditor) scenario_editor mapeditor 0 ;;
    tileeditor) scenario_editor tileeditor 1 ;;
    spriteeditor) scenario_editor spriteeditor 2 ;;
    *) fail "no scenario '$scenario'" ;;
  esac
done

[ ${#FAILED[@]} = 0 ] || fail "leaks in: ${FAILED[*]}"
pass
