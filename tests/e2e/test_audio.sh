#!/usr/bin/env bash
# The audio panel heard through the null sink (volume drag, F3 tune, Stop, Defaults, kept in kwui2.ini); it works
# without a sound device, and keeps its layout after a change of display mode.
source "$(dirname "$0")/lib.sh" "$@"

REC_PID=""
stop_recording() { if [ -n "$REC_PID" ]; then kill "$REC_PID" 2>/dev/null || true; wait "$REC_PID" 2>/dev/null || true; REC_PID=""; fi; }
trap 'stop_recording; cleanup_e2e' EXIT
for tool in parec sox; do command -v "$tool" >/dev/null || fail "$tool is missing"; done

# Only what start-up needs and no menu music: only the panel makes sound.
mkdir -p "$WORK/base/sound/interface" "$WORK/base/music"
for image in inter_LevelComplete inter_OutOfTime inter_Paused; do convert -size 16x16 xc:red "$WORK/base/$image.tga"; done
convert -size 800x600 xc:'#204020' "$WORK/base/menuback.tga"
ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"
sox -n -r 22050 -c 1 -b 16 "$WORK/base/sound/interface/voltest.wav" synth 0.25 sine 660 vol 0.6
sox -n -r 44100 -c 2 "$WORK/base/music/tune.ogg" synth 8 sine 440 sine 550 vol 0.5
printf '[video]\nwidth=800\nheight=600\nwindow=True\n' > "$WORK/kwui2.ini"

record_start() {
  parec -d null.monitor --raw --format=s16le --rate=44100 --channels=1 > "$WORK/$1.raw" &
  REC_PID=$!
  sleep 0.3
}
record() { record_start "$1"; sleep "$2"; stop_recording; }
peak() { sox -t raw -r 44100 -e signed -b 16 -c 1 "$WORK/$1.raw" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'; }
expect_peak() {
  local p; p=$(peak "$1")
  [ -s "$WORK/$1.raw" ] || fail "nothing was recorded for $2"
  awk -v p="$p" "BEGIN { exit !($3) }" || fail "$2: the recording's peak is $p, not $3"
  echo "$2: peak $p"
}
expect_sound() { expect_peak "$1" "$2" 'p > 0.02'; }
expect_silence() { expect_peak "$1" "$2" 'p < 0.002'; }
# drag_volume STEP: the "Sound Volume" thumb (slider at 105, 135, 590 x 24) dragged from 240 down to x = 300:
# (300 - 10 - 105) * 100 / 570 = 32 %, so 255 * 32 / 100 = 81.
drag_volume() {
  xdotool mousemove --window "$APP_WIN" 640 147; sleep 0.2
  xdotool mousedown 1
  for x in $(seq 620 "-$1" 300); do xdotool mousemove --window "$APP_WIN" "$x" 147; sleep 0.06; done
  sleep 0.4
  xdotool mouseup 1
}
# The panel on 800 x 600 spans (85, 65) to (715, 535).
panel_shown() { pixel_is 400 70 "$TITLE_BLUE"; }
panel_gone() { pixel_not 400 70 "$TITLE_BLUE"; }
# start_panel: the program, Options, Audio Panel.
start_panel() { start_menu; go Down Down Return; key Down Return; wait_for "the audio panel" 15 panel_shown; }
# quit_from_options KEY: the panel closed with KEY, back to the main menu, Exit.
quit_from_options() {
  key "$1"
  wait_for "the panel to close on $1" 15 panel_gone
  pointer_home
  key Escape; key Up; key Up; key Return
  expect_exit 0
}

start_panel
record_start drag
drag_volume 20
sleep 0.6
stop_recording
expect_sound drag "the test sound while the volume slider moves"
pointer_home
sleep 1
record after_drag 1
expect_silence after_drag "after the slider stopped"

# F3 loads the tune and it plays; Stop silences it.
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
key s
sleep 1
record stopped 1
expect_silence stopped "after Stop"

# Defaults: No keeps the volumes; the next start has them back and Yes restores the defaults.
key d
wait_for "the confirmation" 15 panel_gone
key Escape
wait_for "the audio panel after No" 15 panel_shown
quit_from_options Escape
expect_fields "$WORK/kwui2.ini" SoundVolume=81 MusicVolume=140 "MusicLoadPath=$WORK/base/music/tune.ogg"
start_panel
key d
wait_for "the confirmation" 15 panel_gone
key Return
wait_for "the audio panel after Yes" 15 panel_shown
quit_from_options F5
expect_fields "$WORK/kwui2.ini" SoundVolume=240 MusicVolume=140   # the defaults

# Without a sound server the slider and every transport key work on nothing; volumes and music path are saved.
printf '[video]\nwidth=800\nheight=600\nwindow=True\n[audio]\nMusicLoadPath=%s\n' "$WORK/base/voltest.ogg" > "$WORK/kwui2.ini"
PULSE_SERVER=unix:/nonexistent/pulse start_panel
drag_volume 40
pointer_home
key space; key Left; key Right; key p; key s
app_running || fail "the program ended while the panel was open without a device"
quit_from_options Escape
expect_fields "$WORK/kwui2.ini" SoundVolume=81 MusicVolume=140 "MusicLoadPath=$WORK/base/voltest.ogg"

# After a change of display mode (Video Options' first mode) the panel keeps its layout and draws into the new display.
STATUS_FILL="#001400"
start_panel   # seen once in the first display
wait_for "the status display" 15 pixel_is 600 385 "$STATUS_FILL"
key Escape
wait_for "the panel to close" 15 panel_gone
key Down Return
wait_pixel 400 65 "$TITLE_BLUE" "the Select Display Mode dialog"
xdotool mousemove --window "$APP_WIN" 100 517; sleep 0.2
xdotool mousedown 1; sleep 0.08; xdotool mouseup 1; sleep 0.3
pointer_home
key Return
sleep 2
wait_window
size_now() { [ "$(window_size "$APP_WIN")" != "800x600" ]; }
wait_for "the new display" 15 size_now
pointer_home
key Return   # the two messages about the change
sleep 0.5
key Return
sleep 0.5
app_running || fail "the program ended after the mode change"
pointer_home
key Up; key Return   # Options: Audio Panel again
wait_for "the audio panel in the new display" 15 panel_shown
wait_for "the status display in the new display" 15 pixel_is 600 385 "$STATUS_FILL"
quit_from_options Escape
pass
