#!/usr/bin/env bash
# The tile tools: Paste before Copy, the swatch's fill question, Copy and Paste, Export Image (asks before
# overwriting), Import Image (shrunk, magenta keeps old pixels), remembered image folders.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

tileed_workdir
for i in 0 1 2; do dump_tile "$TILES" $i "$WORK/before$i.txt"; done
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
exported() { [ -f "$WORK/out.BMP" ]; }
wait_for "the exported image" 10 exported
[ "$(identify -format '%wx%h' "$WORK/out.BMP")" = 32x32 ] || fail "the exported image is not 32 x 32"
[ "$(convert "$WORK/out.BMP" -format '%[fx:minima.r*255],%[fx:maxima.b*255]' info:)" = "255,255" ] || fail "the exported tile is not white"
first_export=$(stamp "$WORK/out.BMP")
sleep 1
key e
choose_file "$WORK/out.BMP"
sleep 0.5
editor_shown && fail "Export Image over an existing file did not ask"
key Escape
wait_editor
[ "$(stamp "$WORK/out.BMP")" = "$first_export" ] || fail "answering No still wrote the image"

# [Import Image onto the pasted white tile] ----------------------------------
key i
choose_file "$WORK/in.tga"
wait_editor

# [save, leave, look at the file] --------------------------------------------
save_with_f2
leave_editor

for i in 0 1 2; do dump_tile "$TILES" $i "$WORK/after$i.txt"; done
[ "$(pixels_only "$WORK/after0.txt" | awk '$3 != 255 || $4 != 255 || $5 != 255' | wc -l)" = 0 ] || fail "tile 0 is not filled white"
# magenta kept the pasted white on the left half; the right half is the imported blue
expect_tile "$WORK/after1.txt" "0,0=255 255 255" "10,20=255 255 255" "15,31=255 255 255" \
  "16,0=0 0 255" "20,10=0 0 255" "31,31=0 0 255"
cmp -s "$WORK/before2.txt" "$WORK/after2.txt" || fail "tile 2 changed"

quit_from_tools
grep -qx "ImageImportPath *= *$WORK/in.tga" "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks the image import path: $(grep ImageImportPath "$WORK/sodbolt.ini")"
grep -qx "ImageExportPath *= *$WORK/out.BMP" "$WORK/sodbolt.ini" || fail "sodbolt.ini lacks the image export path: $(grep ImageExportPath "$WORK/sodbolt.ini")"
pass
