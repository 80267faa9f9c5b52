#!/usr/bin/env bash
# The tile editor's tools and files: fill, Copy and Paste, Export and Import Image, refused loads and saves (the
# editor goes on at the same tile), Save as over a file, a Zentor set saved in the current format; folders kept.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

tileed_workdir
mkdir -p "$WORK/legacy"
tileed_helper WriteZentorTileset TILEED_ZENTOR_OUT="$WORK/legacy/old.til"
MAPFILE=$(ls "$WORK"/base/maps/*.map | head -n1)
cp "$TILES" "$WORK/copy.til"
for i in 2 3; do dump_tile "$TILES" $i "$WORK/before$i.txt"; done
type_before=$(field_in "$WORK/before3.txt" type)
# 64 x 64: the left half magenta, the right half blue
convert -size 32x64 xc:'#FF00FF' -size 32x64 xc:'#0000FF' +append -type TrueColor "$WORK/in.tga"

start_editor
swatch_x=780; swatch_y=$((TOP + 100))

# [Paste before Copy; the swatch's fill question, Yes] -----------------------
key F6
press_at $swatch_x $swatch_y 3
wait_for "the fill question" 20 editor_gone
key Return
wait_editor

key F5   # Copy, Next, Paste
key Right
key F6

# [Export Image] ---------------------------------------------------------------
key e
choose_file "$WORK/out.BMP"
wait_editor
wait_for "the exported image" 10 test -f "$WORK/out.BMP"
[ "$(convert "$WORK/out.BMP" -format '%wx%h %[fx:minima.r*255],%[fx:maxima.b*255]' info:)" = "32x32 255,255" ] ||
  fail "the exported tile is not 32 x 32 white"

# [Import Image onto the pasted white tile, saved] ---------------------------
key i
choose_file "$WORK/in.tga"
wait_editor
save_with_f2 "$TILES"
for i in 0 1 2; do dump_tile "$TILES" $i "$WORK/after$i.txt"; done
[ "$(grep -c '^[0-9]*,[0-9]*=255 255 255$' "$WORK/after0.txt")" = 1024 ] || fail "tile 0 is not filled white"
# magenta kept the pasted white on the left half; the right half is the imported blue
expect_fields "$WORK/after1.txt" "0,0=255 255 255" "10,20=255 255 255" "15,31=255 255 255" \
  "16,0=0 0 255" "20,10=0 0 255" "31,31=0 0 255"
cmp -s "$WORK/before2.txt" "$WORK/after2.txt" || fail "tile 2 changed"
cp "$WORK/after0.txt" "$WORK/before0.txt"
focus_app
key Right Right

# [two refusals, each answered with OK] --------------------------------------
key F3
choose_file "$MAPFILE"
sleep 1.5
key Return
wait_editor

focus_app
key a
choose_file "$WORK/missing/new.til"
sleep 1.5
key Return
wait_editor
[ ! -e "$WORK/missing" ] || fail "saving into a missing folder made something"

# [still tile 3 of the game's tile set] --------------------------------------
press_at "$(cell_x 7)" "$(cell_y 7)"
save_with_f2 "$TILES"
for i in 0 3; do dump_tile "$TILES" $i "$WORK/after$i.txt"; done
expect_fields "$WORK/after3.txt" "7,7=255 255 255" "20,20=$(pixel_in "$WORK/before3.txt" 20 20)"
cmp -s "$WORK/before0.txt" "$WORK/after0.txt" || fail "a refused load or import changed tile 0"

# [Save as over an existing file asks; Yes writes it (No keeps it: test_mapeditor_edit_and_run)] -------------
key y
untouched=$(stamp "$WORK/copy.til")
key a
choose_file "$WORK/copy.til"
sleep 1
editor_shown && fail "Save as over an existing file did not ask"
key Return
wait_editor
wait_for "Save as to write copy.til" 20 eval '[ "$(stamp "$WORK/copy.til")" != "$untouched" ]'
dump_tile "$WORK/copy.til" 3 "$WORK/copy-after.txt"
expect_fields "$WORK/copy-after.txt" "type=$(next_type "$type_before")"

# [Import Zentor Tileset, the last button: the pointer at the right edge slides the toolbar until its frame shows]
toolbar_right_in() { shot && for y in $((TOP - 30)) $((TOP - 15)) $((TOP - 5)); do [ "$(px 799 $y)" = "#6B6B6B" ] || return 1; done; }
xdotool mousemove --window "$APP_WIN" 799 $((TOP - 26))
wait_for "the toolbar to slide in from the right" 20 toolbar_right_in
press_at 778 $((TOP - 26))
choose_file "$WORK/legacy/old.til"
wait_editor

key F2
new_format() { [ "$(head -c 17 "$WORK/legacy/old.til" | tail -c 15)" = "Sodbolt Tileset" ]; }
wait_for "F2 to write the current format over the imported file" 20 new_format
leave_editor

for i in 0 1 2; do dump_tile "$WORK/legacy/old.til" $i "$WORK/old$i.txt"; done
# Legacy codes 1, 2 and 0 become Solid, Water and Land (Rotate and the other tile operations: unit tests).
red="255 0 0" blue="0 0 255"
expect_fields "$WORK/old0.txt" "description=Imported Rock" type=2 "0,0=$red" "31,31=$red"
expect_fields "$WORK/old1.txt" "description=Old Pond" type=3 "0,0=$blue"
expect_fields "$WORK/old2.txt" type=0

quit_from_tools
grep -qx "ImageImportPath *= *$WORK/in.tga" "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks the image import path: $(grep ImageImportPath "$WORK/sodbolt.ini")"
grep -qx "ImageExportPath *= *$WORK/out.BMP" "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks the image export path: $(grep ImageExportPath "$WORK/sodbolt.ini")"
grep -qx "ImportZentorTilesPath *= *$WORK/legacy/old.til" "$WORK/sodbolt.ini" \
  || fail "sodbolt.ini lacks the Zentor import path: $(grep ImportZentorTilesPath "$WORK/sodbolt.ini")"
pass
