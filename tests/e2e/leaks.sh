#!/usr/bin/env bash
# Short sessions from start to Exit under valgrind (a definite leak through our sources not in leaks.supp fails) or
# LeakSanitizer (any report fails): tests/e2e/leaks.sh [SODBOLT] [menu level mapeditor tileeditor spriteeditor]
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

make_workdir
FAILED=()

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

judge() {   # after the program ended: did it leak?
  local name="$1" log="$WORK/$LAST_PID.vg" ours
  if [ "$EXIT_CODE" != 0 ]; then
    echo "leaks: $name: exit code $EXIT_CODE"; tail -n 40 "$WORK/stderr.txt"; FAILED+=("$name")
  elif [ $MODE = lsan ]; then
    if grep -Eq 'ERROR: (LeakSanitizer|AddressSanitizer)|runtime error:' "$WORK/stderr.txt"; then
      sed -n '/ERROR: /,$p' "$WORK/stderr.txt" | head -n 80
      FAILED+=("$name")
    fi
  elif [ ! -f "$log" ]; then
    echo "leaks: $name: no valgrind log"; FAILED+=("$name")
  else
    # The definite leaks with a frame of ours: a path below the repository (shortened by --fullpath-after).
    ours=$(awk '
      /definitely lost in loss record/ { rec = $0 "\n"; on = 1; next }
      on { rec = rec $0 "\n" }
      on && /\((app|audio|content|editors|game|kwui|platform)\/[^:)]+:[0-9]+\)/ { hit = 1 }
      on && /^==[0-9]+== $/ { if (hit) printf "%s", rec; hit = 0; on = 0 }' "$log")
    if [ -n "$ours" ]; then
      printf 'leaks: %s: definite leaks through our code:\n%s\n' "$name" "$ours"
      FAILED+=("$name")
    fi
    grep -E 'definitely lost:|indirectly lost:' "$log" | sed "s/^/leaks: $name: /"
  fi
}

finish() {
  LAST_PID=$APP_PID
  leave_by_exit "$LIMIT"
  judge "$1"
}

field_drawn() { grab && ! in_menu && [ "$(px 400 300)" != "#000000" ]; }
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

editor_drawn() { grab && ! in_menu && [ "$(px 795 597)" = "#81A2FF" ]; }
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
