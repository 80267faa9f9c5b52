#!/usr/bin/env bash
# The audio panel, heard through the sound server's null sink: dragging
# "Sound Volume" plays the test sound and changes the volume; a tune loaded
# with F3 is heard and Stop silences it; Defaults answered No keeps the
# volumes and Yes restores 240 and 140; Escape and F5 close the panel; the
# volumes and the last tune are in kwui2.ini after exit.
source "$(dirname "$0")/lib.sh" "$@"

REC_PID=""
stop_recording() { if [ -n "$REC_PID" ]; then kill "$REC_PID" 2>/dev/null || true; wait "$REC_PID" 2>/dev/null || true; REC_PID=""; fi; }
trap 'stop_recording; cleanup_e2e' EXIT
command -v parec >/dev/null || fail "parec is missing"
command -v sox >/dev/null || fail "sox is missing"

# A content folder of our own: what start-up needs, the panel's test sound
# and a tune, and no menu music, so that only the panel makes sound.
make_content() {
  mkdir -p "$WORK/base/sound/interface" "$WORK/base/music"
  for image in inter_LevelComplete inter_OutOfTime inter_Paused; do
    convert -size 16x16 xc:red "$WORK/base/$image.tga"
  done
  convert -size 800x600 xc:'#204020' "$WORK/base/menuback.tga"
  sox -n -r 22050 -c 1 -b 16 "$WORK/base/sound/interface/voltest.wav" synth 0.25 sine 660 vol 0.6
  sox -n -r 44100 -c 2 "$WORK/base/music/tune.ogg" synth 8 sine 440 sine 550 vol 0.5
  ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"
  printf '[video]\nwidth=800\nheight=600\nwindow=True\n' > "$WORK/kwui2.ini"
}

# record NAME SECONDS: what the null sink plays for that long.
record_start() {
  parec -d null.monitor --raw --format=s16le --rate=44100 --channels=1 > "$WORK/$1.raw" &
  REC_PID=$!
  sleep 0.3
}
record() { record_start "$1"; sleep "$2"; stop_recording; }
peak() { sox -t raw -r 44100 -e signed -b 16 -c 1 "$WORK/$1.raw" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'; }
expect_sound() {
  local p; p=$(peak "$1")
  [ -s "$WORK/$1.raw" ] || fail "nothing was recorded for $2"
  awk -v p="$p" 'BEGIN { exit !(p > 0.02) }' || fail "$2: the recording is silent (peak $p)"
  echo "heard $2 (peak $p)"
}
expect_silence() {
  local p; p=$(peak "$1")
  [ -s "$WORK/$1.raw" ] || fail "nothing was recorded for $2"
  awk -v p="$p" 'BEGIN { exit !(p < 0.002) }' || fail "$2: the recording is not silent (peak $p)"
  echo "silent $2 (peak $p)"
}

# On 800 x 600 the panel spans (85, 65) to (715, 535); its title bar is blue.
panel_shown() { pixel_is 400 70 "$TITLE_BLUE"; }
panel_gone() { pixel_not 400 70 "$TITLE_BLUE"; }
rest_pointer() { xdotool mousemove --window "$APP_WIN" 5 5; sleep 0.2; }

# Main menu: Options; Options menu: Audio Panel.
open_panel() {
  rest_pointer
  key Down; key Down; key Return
  key Down; key Return
  wait_for "the audio panel" 15 panel_shown
}
# From the options menu back to the main menu, then Exit.
quit_from_options() {
  rest_pointer
  key Escape; key Up; key Up; key Return
  expect_exit 0
}

make_content
start_app
wait_window
sleep 1
open_panel
screenshot "$WORK/panel.png"

# Drag the "Sound Volume" thumb (slider at 105, 135, 590 x 24) from 240 down
# to x = 300: (300 - 10 - 105) * 100 / 570 = 32 %, so 255 * 32 / 100 = 81.
record_start drag
xdotool mousemove --window "$APP_WIN" 640 147; sleep 0.2
xdotool mousedown 1
for x in $(seq 620 -20 300); do xdotool mousemove --window "$APP_WIN" "$x" 147; sleep 0.06; done
sleep 0.4
xdotool mouseup 1
sleep 0.6
stop_recording
expect_sound drag "the test sound while the volume slider moves"
rest_pointer
sleep 1
record after_drag 1
expect_silence after_drag "after the slider stopped"

# Load the tune with F3: type its path into the file dialog's name field.
key F3
wait_for "the file dialog" 15 pixel_is 760 10 "$TITLE_BLUE"
xdotool key --delay 20 --repeat 80 BackSpace
sleep 2
type_text "$WORK/base/music/tune.ogg"
key Return
wait_for "the audio panel after loading" 15 panel_shown
sleep 1
record music 1.5
expect_sound music "the tune"
screenshot "$WORK/playing.png"

key s
sleep 1
record stopped 1
expect_silence stopped "after Stop"

# Defaults answered No keeps the volumes.
key d
wait_for "the confirmation" 15 panel_gone
key Escape
wait_for "the audio panel after No" 15 panel_shown
key Escape
wait_for "the panel to close on Escape" 15 panel_gone
quit_from_options

# the sound volume as the drag left it (81)
expect_fields "$WORK/kwui2.ini" SoundVolume=81 MusicVolume=140 "MusicLoadPath=$WORK/base/music/tune.ogg"

# Second run: the stored volume is back; Defaults answered Yes restores them.
start_app
wait_window
sleep 1
open_panel
key d
wait_for "the confirmation" 15 panel_gone
key Return
wait_for "the audio panel after Yes" 15 panel_shown
key F5
wait_for "the panel to close on F5" 15 panel_gone
quit_from_options

expect_fields "$WORK/kwui2.ini" SoundVolume=240 MusicVolume=140   # the defaults
pass
