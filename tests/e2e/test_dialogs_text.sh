#!/usr/bin/env bash
# A map title of exactly 32 characters, the editors' limit: Ok without a
# change keeps all of it, typing into the full field adds nothing, and a
# character rubbed out can be typed back in.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/dialogs_host.sh"

start_host string
full="Castle Gardens of the Old Manor!"


open_screen "Edit Text String"
key Return
wait_line "string=true length=32 value=$full"

open_screen "Edit Text String"
type_text "XY"
key Return
wait_for "the second answer" 15 count_is "^string=true length=32 value=$full\$" 2

open_screen "Edit Text String"
key BackSpace
type_text "?"
key Return
wait_line "string=true length=32 value=${full%!}?"

open_screen "Edit Text String"
key BackSpace
key Escape
wait_for "the cancel" 15 has_line "string=false length=32 value=${full%!}?"

quit_host
pass
