#!/usr/bin/env bash
# The Enter that opens a confirmation does not also answer it; Escape answers
# "No" and does not reach the screen underneath; Enter answers "Yes".
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

start_host confirm
title_y=$(( (600 - 8 * LINE_HEIGHT) / 2 + 5 ))

open_screen "Confirm"
sleep 1
[ "$(line_count '^confirm=')" = 0 ] || fail "the opening Enter answered the dialog"

key Escape
wait_line "confirm=false"
sleep 1
has_line "screen-escape" && fail "the Escape that closed the dialog reached the screen underneath"
app_running || fail "the host ended after the dialog's Escape"
wait_pixel 400 "$title_y" "$HOST_GREEN" "the host screen again"

open_screen "Confirm"
key Return
wait_line "confirm=true"

quit_host
pass
