#!/usr/bin/env bash
# The installed game from a scratch prefix, its data read-only, HOME and XDG_* in the test's folder: command line,
# missing data, a game saved and a shipped level edited under XDG_DATA_HOME; nothing written elsewhere.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/mapeditor_lib.sh"

PREFIX="$WORK/prefix"
DATA="$PREFIX/share/games/sodbolt"
RUN="$WORK/run"
USERS="$WORK/home"
CONFIG="$USERS/config/sodbolt" SHARE="$USERS/share/sodbolt"
mkdir -p "$RUN" "$USERS"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log" >&2; fail "cmake --install failed"; }
[ -f "$DATA/base/game.ini" ] && [ -d "$DATA/kwuidata/textures" ] || fail "no content under share/games/sodbolt"
[ ! -e "$DATA/base/savegames" ] || fail "the portable savegames folder was installed"
SODBOLT_BIN="$PREFIX/games/sodbolt"
chmod -R a-w "$DATA"
trap 'chmod -R u+w "$DATA" 2>/dev/null; cleanup_e2e' EXIT
data_sum() { (cd "$DATA" && find . | sort && find . -type f -exec md5sum {} + | sort) | md5sum; }
data_before=$(data_sum)

# The program sees only the test's folders; mapdump (for the line height) reads the repository's kwuidata.
RUN_DIR="$RUN"
export HOME="$USERS" XDG_CONFIG_HOME="$USERS/config" XDG_DATA_HOME="$USERS/share" XDG_STATE_HOME="$USERS/state"
ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"

# Command line: answers without a window, refusals with exit code 2.
run_now() { launch "$@"; expect_exit "$EXPECT" 10; }
EXPECT=0 run_now "$SODBOLT_BIN" --help
grep -q '^Usage: sodbolt' "$WORK/stdout.txt" && grep -q 'XDG_DATA_HOME' "$WORK/stdout.txt" || fail "--help: $(head -3 "$WORK/stdout.txt")"
[ ! -s "$WORK/stderr.txt" ] || fail "--help wrote to stderr"
EXPECT=2 run_now "$SODBOLT_BIN" -base nomod
expected="sodbolt: mod folder 'nomod' not found (looked in $RUN/nomod, $SHARE/mods/nomod and $DATA/nomod)"
[ "$(cat "$WORK/stderr.txt")" = "$expected" ] || fail "missing mod folder: $(cat "$WORK/stderr.txt")"
[ -z "$(ls -A "$USERS")" ] || fail "a refused start made folders: $(ls -A "$USERS")"

# A data folder without content: one line naming where it looked, the Error box, exit code 1.
launch env SODBOLT_DATA_DIR="$WORK/nothing" "$SODBOLT_BIN"
answer_native_box '^Error$' 0.5
expect_exit 1
expected="sodbolt: cannot find the game's content: looked in $WORK/nothing/base and ./base"
[ "$(cat "$WORK/stderr.txt")" = "$expected" ] || fail "missing content: $(cat "$WORK/stderr.txt")"

# A settings folder that cannot be made is named, as well (a file in its way stops root too).
launch env XDG_CONFIG_HOME="$WORK/install.log" "$SODBOLT_BIN"
answer_native_box '^Error$' 0.5
expect_exit 1
[ "$(cat "$WORK/stderr.txt")" = "sodbolt: cannot write the settings folder $WORK/install.log/sodbolt" ] ||
  fail "unwritable settings: $(cat "$WORK/stderr.txt")"

# The settings say full screen; --window is for this run only.
mkdir -p "$CONFIG"
printf '[video]\nwidth=800\nheight=600\nwindow=False\n' > "$CONFIG/kwui2.ini"
start_menu --window
[ "$(window_size "$APP_WIN")" = 800x600 ] || fail "window is $(window_size "$APP_WIN")"

# A Normal game in slot 1: the save goes to XDG_DATA_HOME, in a folder only the user may enter.
new_game "$SHARE/savegames/000.sav"
[ "$(save_word "$SHARE/savegames/000.sav" 24)" = 1 ] || fail "the save is not a Normal game"
[ "$(stat -c %a "$SHARE")" = 700 ] && [ "$(stat -c %a "$SHARE/savegames")" = 700 ] || fail "the user's folders are not 0700"
CELL_COLUMN=20 CELL_ROW=14   # away from the mower's start: a path tile, painted over with the brush tile
game_cell="32x32+$((32 * CELL_COLUMN))+$((32 * CELL_ROW))"
key Escape
back_at_menu "the game"

# The map editor: Load a shipped level, paint a cell, Save.
LH=$(cd "$WORK" && "$MAPDUMP" --line-height) || fail "no line height"
go Down Down Return   # Play -> Tools
key Down Return
xdotool mousemove --window "$APP_WIN" 790 595
wait_for "the map editor" 20 editor_shown
key F3
choose_file "$DATA/base/maps/level01.map"
# The title now names the file across the whole width: the console line says the load is done.
wait_for "the load" 20 grep -q "^Loaded map from $DATA/base/maps/level01.map\$" "$WORK/stderr.txt"
sleep 0.5
editor_cell="32x32+$((32 * CELL_COLUMN))+$((LH + 50 + 32 * CELL_ROW))"
loaded=$(area_sum "$editor_cell")
press_at "$(cell_x "$CELL_COLUMN")" "$(cell_y "$CELL_ROW")"
xdotool mousemove --window "$APP_WIN" 790 595
sleep 0.5
painted=$(area_sum "$editor_cell")
[ "$painted" != "$loaded" ] || fail "painting did not change the cell"
key F2
wait_for "the edited copy" 20 grep -q "^Saved map to $SHARE/base/maps/level01.map\$" "$WORK/stderr.txt"
[ "$(dump_field "$SHARE/base/maps/level01.map" title)" = "$(dump_field "$DATA/base/maps/level01.map" title)" ] ||
  fail "the edited copy is not level 1"
leave_editor
sleep 0.5
key Escape            # the Tools menu
back_at_menu "the editor"

# A new game plays the edited level: the painted cell shows (once no cloud is over it).
go Up Up Return       # Tools -> Play
go Down Down Return   # slot 2
key Down Down Return  # Normal
wait_for "the second save" 20 test -s "$SHARE/savegames/001.sav"
wait_for "the edited cell in the game" 30 area_equals "$game_cell" "$painted"
key Escape
back_at_menu "that"
key Up Return   # Play -> Exit
expect_exit 0

grep -q '^window=False' "$CONFIG/kwui2.ini" || fail "--window was written to kwui2.ini: $(cat "$CONFIG/kwui2.ini")"
grep -q '^\[audio\]' "$CONFIG/kwui2.ini" || fail "kwui2.ini was not written at Exit"
[ -f "$CONFIG/sodbolt.ini" ] || fail "no sodbolt.ini in the settings folder"
[ -z "$(ls -A "$RUN")" ] || fail "files in the working folder: $(ls -A "$RUN")"
[ "$(data_sum)" = "$data_before" ] || fail "the data folder changed"
pass
