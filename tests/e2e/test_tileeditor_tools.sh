#!/usr/bin/env bash
# The tile tools: Paste before Copy, the swatch's fill question, Copy and Paste, Export Image (asks before
# overwriting), Import Image (shrunk, magenta keeps old pixels), zoom limits 24 and 1, remembered image folders.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/tileeditor_lib.sh"

# the view's right outline sits at 32 x scale + 1
outline_at() { shot; [ "$(pix "$1" $((TOP + 10)))" = "#FFFF00" ]; }
# at scale 24 (and no other) grid lines of background colour run down
# columns 432, 456 and 480, with tile pixels beside them
grid_of_24() {
  shot
  local x
  for x in 432 456 480; do
    [ "$(pix $x $((TOP + 10)))" = "#81A2FF" ] && [ "$(pix $((x + 1)) $((TOP + 10)))" != "#81A2FF" ] || return 1
  done
}

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
screenshot "$WORK/image-imported.png"

# [zoom: the wheel up to 24, keypad minus down to 1] -------------------------
xdotool mousemove --window "$APP_WIN" 600 300
for _ in $(seq 14); do xdotool click 4; sleep 0.1; done
wait_for "zoom 24" 10 grid_of_24
focus_app
xdotool key --delay 60 --repeat 30 KP_Subtract; sleep 0.5
wait_for "zoom 1" 10 outline_at 33

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
