#!/usr/bin/env bash
# "Select Colour" (starting at 200, 120, 40): the preview follows the sliders,
# Escape keeps the old colour, Enter stores the new one.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

start_host colour

# The 600 x 400 panel is centred at (100, 100); the Red slider is the first
# one under the title, the preview fills the space below the three sliders.
red_y=$(( 100 + LINE_HEIGHT + 4 + 14 + 12 ))
preview_y=$(( 100 + LINE_HEIGHT + 4 + 14 + 3 * (24 + LINE_HEIGHT + 14) + 20 ))

open_screen "Select Colour"
wait_pixel 400 "$preview_y" "#C87828" "the preview of the starting colour"
press_at 110 "$red_y"
wait_pixel 400 "$preview_y" "#007828" "the preview without red"
focus_app
key Escape
wait_line "colour=false rgb=200,120,40"

open_screen "Select Colour"
press_at 110 "$red_y"
focus_app
key Return
wait_line "colour=true rgb=0,120,40"

quit_host
pass
