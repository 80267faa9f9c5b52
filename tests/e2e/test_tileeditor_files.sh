#!/usr/bin/env bash
# The tile editor's tools and files: fill, Copy and Paste, Export and Import Image, refused loads and saves (the
# editor goes on at the same tile), Save as over a file, a Zentor set saved in the current format; folders kept.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

tileed_workdir
mkdir -p "$WORK/legacy"
tileed_helper WriteZentorTileset TILEED_ZENTOR_OUT="$WORK/legacy/old.til"
[ "$(stat -c %s "$WORK/legacy/old.til")" = 866340 ] || fail "the generated Zentor file has the wrong size"
MAPFILE=$(ls "$WORK"/base/maps/*.map | head -n1)
cp "$TILES" "$WORK/copy.til"
for i in 2 3; do dump_tile "$TILES" $i "$WORK/before$i.txt"; done
type_before=$(field_in "$WORK/before3.txt" type)
# 64 x 64: the left half magenta, the right half blue
convert -size 32x64 xc:'#FF00FF' -size 32x64 xc:'#0000FF' +append -type TrueColor "$WORK/in.tga"

start_from_tools 2
wait_editor
swatch_x=780; swatch_y=$((TOP + 100))

# [Paste before Copy; the swatch's fill question] ----------------------------
key F6
press_at $swatch_x $swatch_y 3
wait_for "the fill question" 20 editor_gone
key Escape
wait_editor
shot
[ "$(pix "$(cell_x 5)" "$(cell_y 5)")" != "#FFFFFF" ] || fail "answering No to the fill question filled the tile"
press_at $swatch_x $swatch_y 3
wait_for "the fill question" 20 editor_gone
key Return
wait_editor

# [Copy, Next, Paste] --------------------------------------------------------
key F5
key Right
key F6

# [Export Image, twice: the second asks] -------------------------------------
key e
choose_file "$WORK/out.BMP"
wait_editor
wait_for "the exported image" 10 test -f "$WORK/out.BMP"
[ "$(convert "$WORK/out.BMP" -format '%wx%h %[fx:minima.r*255],%[fx:maxima.b*255]' info:)" = "32x32 255,255" ] ||
  fail "the exported tile is not 32 x 32 white"
first_export=$(stamp "$WORK/out.BMP")
sleep 1
key e
choose_file "$WORK/out.BMP"
sleep 0.5
editor_shown && fail "Export Image over an existing file did not ask"
key Escape
wait_editor
[ "$(stamp "$WORK/out.BMP")" = "$first_export" ] || fail "answering No still wrote the image"

# [Import Image onto the pasted white tile, saved] ---------------------------
key i
choose_file "$WORK/in.tga"
wait_editor
save_with_f2
for i in 0 1 2; do dump_tile "$TILES" $i "$WORK/after$i.txt"; done
[ "$(pixels_only "$WORK/after0.txt" | awk '$3 != 255 || $4 != 255 || $5 != 255' | wc -l)" = 0 ] || fail "tile 0 is not filled white"
# magenta kept the pasted white on the left half; the right half is the imported blue
expect_tile "$WORK/after1.txt" "0,0=255 255 255" "10,20=255 255 255" "15,31=255 255 255" \
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
save_with_f2
for i in 0 3; do dump_tile "$TILES" $i "$WORK/after$i.txt"; done
# still on tile 3 of the same set after the refusals, unchanged where nothing was painted
expect_tile "$WORK/after3.txt" "7,7=255 255 255" "20,20=$(pixel_in "$WORK/before3.txt" 20 20)"
cmp -s "$WORK/before0.txt" "$WORK/after0.txt" || fail "a refused load or import changed tile 0"

# [Save as over an existing file: No keeps it, Yes writes it] ----------------
key y
key a
choose_file "$WORK/copy.til"
sleep 1
editor_shown && fail "Save as over an existing file did not ask"
untouched=$(stamp "$WORK/copy.til")
key Escape
wait_editor
sleep 0.5
[ "$(stamp "$WORK/copy.til")" = "$untouched" ] || fail "answering No still wrote the file"
key a
choose_file "$WORK/copy.til"
sleep 0.5
key Return
wait_editor
written() { [ "$(stamp "$WORK/copy.til")" != "$untouched" ]; }
wait_for "Save as to write copy.til" 20 written
dump_tile "$WORK/copy.til" 3 "$WORK/copy-after.txt"
expect_tile "$WORK/copy-after.txt" "type=$(next_type "$type_before")"

# [Import Zentor Tileset, the last toolbar button] ---------------------------
press_zentor_button
choose_file "$WORK/legacy/old.til"
wait_editor

# [Rotate: a white pixel at the top left goes to the top right] --------------
press_at "$(cell_x 0)" "$(cell_y 0)"
focus_app
key r
sleep 0.3
key F2
new_format() { [ "$(head -c 17 "$WORK/legacy/old.til" | tail -c 15)" = "Sodbolt Tileset" ]; }
wait_for "F2 to write the current format over the imported file" 20 new_format
leave_editor

for i in 0 1 2; do dump_tile "$WORK/legacy/old.til" $i "$WORK/old$i.txt"; done
# Legacy codes 1, 2 and 0 become Solid, Water and Land; Rotate took tile 0's white top-left pixel to the top right.
red="255 0 0" blue="0 0 255" white="255 255 255"
expect_tile "$WORK/old0.txt" "description=Imported Rock" type=2 "31,0=$white" "0,0=$red" "31,31=$red"
expect_tile "$WORK/old1.txt" "description=Old Pond" type=3 "0,0=$blue"
expect_tile "$WORK/old2.txt" type=0

quit_from_tools
grep -qx "ImageImportPath *= *$WORK/in.tga" "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks the image import path: $(grep ImageImportPath "$WORK/sodbolt.ini")"
grep -qx "ImageExportPath *= *$WORK/out.BMP" "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks the image export path: $(grep ImageExportPath "$WORK/sodbolt.ini")"
grep -qx "ImportZentorTilesPath *= *$WORK/legacy/old.til" "$WORK/sodbolt.ini" \
  || fail "sodbolt.ini lacks the Zentor import path: $(grep ImportZentorTilesPath "$WORK/sodbolt.ini")"
pass
