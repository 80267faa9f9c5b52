#!/usr/bin/env bash
# Runs a command with a private X display (Xvfb on a free display number) and
# a private PulseAudio server with a null sink, then stops both. Every call
# starts its own pair, also when a DISPLAY is already set, so that commands
# run side by side (each end-to-end test under ctest -j) never share a screen,
# a pointer, a keyboard focus or a sound server.
#   scripts/with-display.sh ctest --test-dir build -L e2e
set -uo pipefail

scratch=$(mktemp -d "${TMPDIR:-/tmp}/sodbolt-display.XXXXXX") || exit 1
xvfb_pid=""
pulse_pid=""
cleanup() {
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# Bounded waits, long enough for a machine busy with other tests.
wait_until() {   # SECONDS COMMAND...
  local end=$((SECONDS + $1)); shift
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
}

# -noreset: without it the server starts afresh whenever its last client leaves, and a client connecting in that
# moment (xdotool between two runs of the program) is refused.
exec 3<> "$scratch/display"
Xvfb -displayfd 3 -screen 0 "${SODBOLT_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
display_known() { [ -s "$scratch/display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; }
wait_until 30 display_known
exec 3>&-
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"

export XDG_RUNTIME_DIR="$scratch/runtime"
export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
mkdir -p "$PULSE_RUNTIME_PATH" "$scratch/config" && chmod 700 "$XDG_RUNTIME_DIR"
# The server keeps its state in a folder of its own, not in the shared ~/.config/pulse.
XDG_CONFIG_HOME="$scratch/config" pulseaudio --daemonize=no --exit-idle-time=-1 -n \
  --load="module-null-sink sink_name=null" \
  --load="module-native-protocol-unix auth-anonymous=1" \
  --log-target=file:"$scratch/pulse.log" >/dev/null 2>&1 &
pulse_pid=$!
pulse_up() { pactl info >/dev/null 2>&1 || ! kill -0 "$pulse_pid" 2>/dev/null; }
wait_until 30 pulse_up
pactl info >/dev/null 2>&1 || { echo "PulseAudio did not start" >&2; cat "$scratch/pulse.log" >&2; exit 1; }
pactl set-default-sink null >/dev/null 2>&1

status=0
"$@" || status=$?
if [ $status -ne 0 ] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
  echo "with-display: the X server $DISPLAY ended before the command did:" >&2
  tail -n 20 "$scratch/xvfb.log" >&2
fi
exit $status
