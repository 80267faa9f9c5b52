#!/usr/bin/env bash
# Runs a command with a private X display (Xvfb on a free display number) and
# a private PulseAudio server with a null sink, then stops both.
#   scripts/with-display.sh ctest --test-dir build -L e2e
set -uo pipefail

scratch=$(mktemp -d)
xvfb_pid=""
pulse_pid=""
cleanup() {
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

exec 3<> "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
exec 3>&-
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"

export XDG_RUNTIME_DIR="$scratch/runtime"
export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
mkdir -p "$PULSE_RUNTIME_PATH" && chmod 700 "$XDG_RUNTIME_DIR"
pulseaudio --daemonize=no --exit-idle-time=-1 -n \
  --load="module-null-sink sink_name=null" \
  --load="module-native-protocol-unix auth-anonymous=1" \
  --log-target=file:"$scratch/pulse.log" >/dev/null 2>&1 &
pulse_pid=$!
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl set-default-sink null >/dev/null 2>&1

"$@"
