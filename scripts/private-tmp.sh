#!/usr/bin/env bash
# Runs a command with TMPDIR pointing at a fresh folder of its own, removed
# afterwards, so that tests run side by side never share a scratch file name.
#   scripts/private-tmp.sh build/tests/unit_tests --gtest_filter='GameIni.*'
set -uo pipefail

scratch=$(mktemp -d "${TMPDIR:-/tmp}/sodbolt-tmp.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"
"$@"
