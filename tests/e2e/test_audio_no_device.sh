#!/usr/bin/env bash
# Without a sound device the audio panel still opens, its slider and transport keys work on nothing, and the
# volumes are saved.
source "$(dirname "$0")/lib.sh" "$@"

tiny_workdir
mkdir -p "$WORK/base/sound/interface"
sox -n -r 22050 -c 1 -b 16 "$WORK/base/sound/interface/voltest.wav" synth 0.25 sine 660
printf '[video]\nwidth=800\nheight=600\nwindow=True\n[audio]\nMusicLoadPath=%s\n' "$WORK/base/voltest.ogg" > "$WORK/kwui2.ini"


# No sound server to reach, and no sound card behind it.
export PULSE_SERVER=unix:/nonexistent/pulse
start_app
wait_window
open_screen "Audio Panel"

# Slider from 240 to 81, then every transport key with no music.
xdotool mousemove --window "$APP_WIN" 640 147; sleep 0.2
xdotool mousedown 1
for x in $(seq 620 -40 300); do xdotool mousemove --window "$APP_WIN" "$x" 147; sleep 0.05; done
sleep 0.4
xdotool mouseup 1
pointer_home
key space; key Left; key Right; key p; key s
app_running || fail "the program ended while the panel was open"
key Escape
wait_for "the panel to close" 15 panel_gone
quit_from_options
grep -qx 'SoundVolume=81' "$WORK/kwui2.ini" || fail "kwui2.ini lacks SoundVolume=81: $(cat "$WORK/kwui2.ini")"
grep -qx 'MusicVolume=140' "$WORK/kwui2.ini" || fail "kwui2.ini lacks MusicVolume=140"
grep -qx "MusicLoadPath=$WORK/base/voltest.ogg" "$WORK/kwui2.ini" || fail "the music path was not kept"
pass
