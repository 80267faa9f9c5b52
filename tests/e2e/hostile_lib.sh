# Helpers for the hostile-input tests: damaged files in a scratch base/, and
# checks that the program stays up, says something and leaves the files alone.
# Source after lib.sh and game_lib.sh.

# content_fingerprint: every file under base/ but the save games.
content_fingerprint() {
  (cd "$WORK" && find base -type f ! -path 'base/savegames/*' -print0 | sort -z | xargs -0 -r md5sum)
}
remember_content() { content_fingerprint > "$WORK/content.before"; }
content_unchanged() {
  content_fingerprint > "$WORK/content.after"
  diff -q "$WORK/content.before" "$WORK/content.after" >/dev/null ||
    fail "content files changed: $(diff "$WORK/content.before" "$WORK/content.after" | head -n 4 | tr '\n' ' ')"
}
no_crash_report() {
  ! grep -qiE 'segmentation|abort|terminate called|AddressSanitizer|runtime error' "$WORK/stderr.txt" 2>/dev/null
}
said() { grep -qF "$1" "$WORK/stderr.txt"; }
wait_said() { wait_for "the message '$1'" "${2:-20}" said "$1"; }

# menu_up [SECONDS]: the window is there and the main menu has drawn its
# title bar (brighter at its left end than black or the near-black shades
# shown while the display is tried).
menu_drawn() {
  shot "$WORK/menu.png"
  [ "$(convert "$WORK/menu.png" -crop 300x30+10+10 +repage -format '%[fx:mean>0.1]' info:)" = 1 ]
}
menu_up() {
  wait_window '^Sodbolt$' "${1:-30}"
  focus_app
  wait_for "the main menu" "${1:-30}" menu_drawn
  select_exit
}

# select_exit: the pointer onto the main menu's last row (Exit), then off the
# rows to the left, so that menus opened later keep their keyboard selection.
EXIT_ROW_Y=286
select_exit() {
  xdotool mousemove --window "$APP_WIN" 100 "$EXIT_ROW_Y"
  sleep 0.4
  xdotool mousemove --window "$APP_WIN" 5 "$EXIT_ROW_Y"
  sleep 0.2
}
# quit_from_main_menu: the main menu opens on Exit; the program must end with 0.
quit_from_main_menu() { select_exit; key Return; expect_exit 0 30; }
# start_checked: the content remembered, the program up on its main menu, whose title bar's checksum is in $menu.
start_checked() { remember_content; start_app; menu_up; menu=$(window_crop_sum "$TITLE_BAR"); }
# end_checked WHAT: Exit from the main menu, no crash report, the content as it was.
end_checked() { quit_from_main_menu; no_crash_report || fail "crash report with $1"; content_unchanged; }
# back_at_menu WHAT [SECONDS]: the main menu of start_checked shows again.
back_at_menu() { wait_crop_equal "$TITLE_BAR" "$menu" "${2:-15}" "the main menu after $1"; }

# leave_editor_yes: an editor's Exit, answered Yes.
leave_editor_yes() { key Escape; sleep 1; key Return; sleep 1; }
# type_path PATH: the open file dialog's name field cleared, PATH typed, Enter.
type_path() { xdotool key --delay 15 --repeat 160 BackSpace; sleep 0.3; type_text "$1"; key Return; }

# hostile_workdir: a copy of base/ without save games, kept aside whole for restore_base.
hostile_workdir() { make_workdir --copy-base; rm -f "$WORK"/base/savegames/*.sav; cp -r "$WORK/base" "$WORK/pristine"; }
restore_base() { rm -rf "$WORK/base" && cp -r "$WORK/pristine" "$WORK/base"; }
random_bytes() { head -c "$2" /dev/urandom > "$1"; }
