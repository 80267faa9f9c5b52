#!/usr/bin/env bash
# Help on hostile help.txt files: a slow one shows an advancing progress bar and a window closed during it exits 0
# with its settings written; 10 MB, one 1 MB line and random bytes each open in bounded time and scroll.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"   # FIELD
source "$(dirname "$0")/hostile_lib.sh"

make_workdir

# big_help LINES: lines of a million letters, each row a word cut to the width: slow to wrap on any machine.
big_help() {
  for _ in $(seq "$1"); do head -c 1048576 /dev/zero | tr '\0' 'w'; echo; done > "$WORK/base/help.txt"
  echo "The end of the help." >> "$WORK/base/help.txt"
}

# bar_fill: blue pixels on the middle row of the progress bar's trough ("" when the shot failed).
bar_fill() {
  shot || return 0
  convert "ppm:$SHOT" -crop 466x1+167+315 +repage -depth 8 txt:- 2>/dev/null | grep -c "$TITLE_BLUE" || true
}
bar_shown() { [ "$(bar_fill)" -gt 0 ] 2>/dev/null; }

# The bar shows and grows while the file loads, then the viewer shows the help.
big_help 8
start_checked
key Up Up Return
wait_for "the progress bar" 30 bar_shown
fills=()
while :; do
  fill=$(bar_fill)
  [ -n "$fill" ] && [ "$fill" -gt 0 ] || break
  fills+=("$fill")
  [ ${#fills[@]} -lt 200 ] || fail "the load did not end"
done
[ ${#fills[@]} -ge 2 ] || fail "the bar was seen only once"
[ "${fills[-1]}" -gt "${fills[0]}" ] || fail "the bar did not advance: ${fills[*]}"
wait_change "$TITLE_BAR" "$menu" "the help viewer" 30
# The viewer's title bar, and rows of text in the list (more than the list's light grey).
wait_pixel 130 4 "$TITLE_BLUE" "the viewer's toolbar"
shot
[ "$(convert "ppm:$SHOT" -crop 700x200+20+100 +repage -colors 8 -format '%k' info:)" -gt 1 ] ||
  fail "no help text in the viewer"
key Return
back_at_menu "the help" 30
quit_from_main_menu

# Closing the window while the bar is up (a file that would take much longer still).
big_help 24
printf '[video]\nwidth=800\nheight=600\nwindow=True\n' > "$WORK/kwui2.ini"
touch -d '2001-01-01' "$WORK/kwui2.ini"
start_menu
key Up Up Return
wait_for "the progress bar" 30 bar_shown
close_window "$APP_WIN"
expect_exit 0 10
no_crash_report || fail "crash report after closing during the load"
[ "$WORK/kwui2.ini" -nt "$WORK/base/help.txt" ] || fail "the settings were not written on the way out"

# open_help_and_leave WHAT SECONDS: Help, a few scrolling keys, Done, the menu again within the limit.
open_help_and_leave() {
  start_checked
  key Up Up Return
  wait_change "$TITLE_BAR" "$menu" "the help viewer with $1" "$2"
  sleep 0.5
  local view
  view=$(area_sum "$FIELD")
  key Next Next Down
  sleep 1
  app_running || fail "the program ended while scrolling $1"
  [ "$1" = binary ] || [ "$(area_sum "$FIELD")" != "$view" ] || fail "the view did not scroll through $1"
  key Return
  back_at_menu "$1" "$2"
  key Down Down   # Help stays selected: two down is Exit
  end_checked "$1"
}
line='Mow every patch of grass before the clock runs out; clouds make it grow back.'
for _ in $(seq 128); do echo "$line"; done > "$WORK/chunk.txt"
for _ in $(seq 1040); do cat "$WORK/chunk.txt"; done > "$WORK/base/help.txt"
open_help_and_leave big 60
head -c 1048576 /dev/zero | tr '\0' 'w' > "$WORK/base/help.txt"
open_help_and_leave one_line 60
random_bytes "$WORK/base/help.txt" 65536
open_help_and_leave binary 30
pass
