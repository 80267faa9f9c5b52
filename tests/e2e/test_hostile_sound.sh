#!/usr/bin/env bash
# Sound names too long and just fitting, WAV files that are not sounds, hold none or are only a header: each bad one
# is named, the rest loads, and the menu runs with its sounds.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"
source "$(dirname "$0")/hostile_lib.sh"

make_workdir --copy-base
sound="$WORK/base/sound"
some_wav=$(find "$sound/interface" -iname '*.wav' | head -n1)
[ -n "$some_wav" ] || fail "no interface sound in base/sound"

long_folder=$(head -c 200 /dev/zero | tr '\0' 'f')
long_file=$(head -c 120 /dev/zero | tr '\0' 'n')
mkdir -p "$sound/$long_folder"
cp "$some_wav" "$sound/$long_folder/$long_file.wav"
# "interface/" + 241 + ".wav": 255 characters, the longest that fits.
near_limit=$(head -c 241 /dev/zero | tr '\0' 'k')
cp "$some_wav" "$sound/interface/$near_limit.wav"
random_bytes "$sound/world/noise1.wav" 4096
head -c 20 "$some_wav" > "$sound/game/cutshort.WAV"
# A well-formed WAV of no samples: 22050 Hz, 16-bit mono, data size 0.
printf 'RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00\x44\xac\x00\x00\x02\x00\x10\x00data\x00\x00\x00\x00' \
  > "$sound/game/silent.wav"
# Only the header of a WAV whose data chunk says 4096 bytes: the sound itself is gone.
printf 'RIFF\x24\x10\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00\x44\xac\x00\x00\x02\x00\x10\x00data\x00\x10\x00\x00' \
  > "$sound/world/headeronly.wav"
remember_content

start_app
menu_up
for message in "Skipped .*base/sound/$long_folder/$long_file.wav: its sound name is too long" \
    'Unable to load sample from .*base/sound/world/noise1.wav' 'Unable to load sample from .*base/sound/game/cutshort.WAV' \
    'Unable to load sample from .*base/sound/game/silent.wav: it holds no sound' \
    'Unable to load sample from .*base/sound/world/headeronly.wav: it holds no sound'; do
  grep -q "$message" "$WORK/stderr.txt" || fail "no message '$message'"
done
grep -q "$near_limit" "$WORK/stderr.txt" && fail "the name that just fits was refused"

key Up Down Up Down
sleep 0.5
grep -q 'No such sound number' "$WORK/stderr.txt" && fail "menu sounds went missing"
quit_from_main_menu
no_crash_report || fail "crash report with the hostile sound folder"
content_unchanged
pass
