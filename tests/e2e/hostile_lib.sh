# The hostile-input tests: damaged files in a scratch base/, and checks that the program stays up, says something
# and leaves the files alone. Source after lib.sh and game_lib.sh.

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
said() { grep -qF "$1" "$WORK/stderr.txt"; }
wait_said() { wait_for "the message '$1'" "${2:-20}" said "$1"; }

# start_checked: the content remembered, the program up on its main menu.
start_checked() { remember_content; start_menu; }
# end_checked WHAT: Exit from the main menu, no crash report, the content as it was.
end_checked() { quit_from_main_menu; no_crash_report || fail "crash report with $1"; content_unchanged; }

# leave_editor_yes: an editor's Exit, answered Yes.
leave_editor_yes() { key Escape; sleep 1; key Return; sleep 1; }
# type_path PATH: the open file dialog's name field cleared, PATH typed, Enter.
type_path() { xdotool key --delay 15 --repeat 160 BackSpace; sleep 0.3; type_text "$1"; key Return; }

# hostile_workdir: a copy of base/ without save games, kept aside whole for restore_base.
hostile_workdir() { make_workdir; rm -f "$WORK"/base/savegames/*.sav; cp -r "$WORK/base" "$WORK/pristine"; }
restore_base() { rm -rf "$WORK/base" && cp -r "$WORK/pristine" "$WORK/base"; }
random_bytes() { head -c "$2" /dev/urandom > "$1"; }
