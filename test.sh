#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test, several
# at a time: each end-to-end test starts its own X display and PulseAudio
# server (scripts/with-display.sh), the unit tests share one; then the fuzz
# targets run for 10 s each.
#   ./test.sh              the whole suite
#   ./test.sh --sanitize   the same, built with AddressSanitizer and UBSan
#   TEST_JOBS=N ./test.sh  N tests at a time (default: twice the cores, as
#                          end-to-end tests spend most of their time waiting)
# Further arguments go to ctest, e.g. ./test.sh -R e2e.test_game_session
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

build_dir=build
cmake_args=(-DSODBOLT_WERROR=ON -DSODBOLT_TESTS=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  cmake_args+=(-DSODBOLT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  shift
fi

install_packages $RUNTIME_PACKAGES $TEST_PACKAGES
place_font
build_tree "$build_dir" "${cmake_args[@]}"

status=0
jobs="${TEST_JOBS:-$(( $(nproc) * 2 ))}"
scripts/with-display.sh ctest --test-dir "$build_dir" --output-on-failure -j "$jobs" "$@" || status=$?

if [ $status -eq 0 ] && [ -x fuzz/run.sh ] && [ "$build_dir" = build ]; then
  fuzz/run.sh 10 || status=$?
fi
exit $status
