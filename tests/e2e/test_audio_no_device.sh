#!/usr/bin/env bash
# Without a sound device the program still runs: the audio panel opens, its
# slider and transport keys work on nothing, and the volumes are saved.
source "$(dirname "$0")/lib.sh" "$@"

mkdir -p "$WORK/base/sound/interface"
for image in inter_LevelComplete inter_OutOfTime inter_Paused; do
  convert -size 16x16 xc:red "$WORK/base/$image.tga"
done
convert -size 800x600 xc:'#204020' "$WORK/base/menuback.tga"
sox -n -r 22050 -c 1 -b 16 "$WORK/base/sound/interface/voltest.wav" synth 0.25 sine 660
ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"
printf '[video]\nwidth=800\nheight=600\nwindow=True\n[audio]\nMusicLoadPath=%s\n' "$WORK/base/voltest.ogg" > "$WORK/kwui2.ini"

panel_shown() { pixel_is 400 70 "$TITLE_BLUE"; }
panel_gone() { pixel_not 400 70 "$TITLE_BLUE"; }

# No sound server to reach, and no sound card behind it.
export PULSE_SERVER=unix:/nonexistent/pulse
start_app
wait_window
sleep 1
xdotool mousemove --window "$APP_WIN" 5 5; sleep 0.2
key Down; key Down; key Return; key Down; key Return
wait_for "the audio panel" 15 panel_shown

# Slider from 240 to 81, then every transport key with no music.
xdotool mousemove --window "$APP_WIN" 640 147; sleep 0.2
xdotool mousedown 1
for x in $(seq 620 -40 300); do xdotool mousemove --window "$APP_WIN" "$x" 147; sleep 0.05; done
sleep 0.4
xdotool mouseup 1
xdotool mousemove --window "$APP_WIN" 5 5; sleep 0.2
key space; key Left; key Right; key p; key s
app_running || fail "the program ended while the panel was open"
screenshot "$WORK/panel.png"
key Escape
wait_for "the panel to close" 15 panel_gone
key Escape; key Up; key Up; key Return
expect_exit 0
grep -qx 'SoundVolume=81' "$WORK/kwui2.ini" || fail "kwui2.ini lacks SoundVolume=81: $(cat "$WORK/kwui2.ini")"
grep -qx 'MusicVolume=140' "$WORK/kwui2.ini" || fail "kwui2.ini lacks MusicVolume=140"
grep -qx "MusicLoadPath=$WORK/base/voltest.ogg" "$WORK/kwui2.ini" || fail "the music path was not kept"
pass
