#!/usr/bin/env bash
# A help.txt of 10 MB, of a single 1 MB line, and of random bytes: Help opens each in bounded time, scrolls, Done
# brings the main menu back, and help.txt is left as it was.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/hostile_lib.sh"

make_workdir --copy-base

# open_help_and_leave WHAT SECONDS: Help, a few scrolling keys, Done, the menu again within the limit.
open_help_and_leave() {
  start_checked
  key Up Up Return
  wait_crop_change "$TITLE_BAR" "$menu" "$2" "the help viewer with $1"
  sleep 0.5
  local view
  view=$(window_crop_sum "$FIELD")
  key Next Next Down
  sleep 1
  app_running || fail "the program ended while scrolling $1"
  [ "$1" = binary ] || [ "$(window_crop_sum "$FIELD")" != "$view" ] || fail "the view did not scroll through $1"
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
