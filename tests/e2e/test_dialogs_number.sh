#!/usr/bin/env bash
# Number entry (1 to 100, starting at 50): a typed 42 is stored; 0 and "abc"
# show "Input out of range!" and keep the value; Escape cancels.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

start_host number
message_title_y=$(( (600 - 8 * LINE_HEIGHT) / 2 + 5 ))


open_screen "Edit Text String"
key BackSpace BackSpace
type_text "42"
key Return
wait_line "number=true value=42"

for typed in 0 abc; do
  open_screen "Edit Text String"
  key BackSpace BackSpace
  type_text "$typed"
  key Return
  # The out-of-range message is a centred "Message" panel.
  wait_pixel 400 "$message_title_y" "$TITLE_BLUE" "the out-of-range message after '$typed'"
  sleep 0.3
  key Return
  wait_for "answer after '$typed'" 15 test "$(line_count '^number=false value=42$')" -ge 1
done
[ "$(line_count '^number=false value=42$')" = 2 ] || fail "expected two refused entries: $(cat "$HOST_LOG")"

open_screen "Edit Text String"
type_text "7"
key Escape
wait_for "the cancel" 15 count_is '^number=false value=42$' 3
sleep 0.5
has_line "screen-escape" && fail "the Escape that cancelled reached the screen underneath"

quit_host
pass
