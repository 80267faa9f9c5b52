#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test under a
# private X display and a private PulseAudio server with a null sink.
#   ./test.sh              the whole suite
#   ./test.sh --sanitize   the same, built with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

build_dir=build
cmake_args=(-DSODBOLT_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  cmake_args+=(-DSODBOLT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  shift
fi

install_packages $RUNTIME_PACKAGES $TEST_PACKAGES
place_font
build_tree "$build_dir" "${cmake_args[@]}"

scratch=$(mktemp -d)
xvfb_pid=""
pulse_pid=""
cleanup() {
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# A private X display on a free number.
exec 3<> "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$scratch/display")"
exec 3>&-
echo "Xvfb on $DISPLAY"

# A private PulseAudio server: its own runtime folder, a null sink.
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
pactl set-default-sink null >/dev/null 2>&1 || true
export SODBOLT_TEST_SCRATCH="$scratch"

status=0
(cd "$build_dir" && ctest --output-on-failure "$@") || status=$?

if [ $status -eq 0 ] && [ -x fuzz/run.sh ] && [ "$build_dir" = build ]; then
  fuzz/run.sh 10 || status=$?
fi
exit $status
