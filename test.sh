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

status=0
scripts/with-display.sh ctest --test-dir "$build_dir" --output-on-failure "$@" || status=$?

if [ $status -eq 0 ] && [ -x fuzz/run.sh ] && [ "$build_dir" = build ]; then
  fuzz/run.sh 10 || status=$?
fi
exit $status
