#!/usr/bin/env bash
# A missing font stops start-up with a native error box and exit code 1.
source "$(dirname "$0")/lib.sh" "$@"

make_workdir
rm "$WORK/kwuidata"
mkdir -p "$WORK/kwuidata/fonts"
ln -s "$REPO_ROOT/kwuidata/textures" "$WORK/kwuidata/textures"
start_app
answer_native_box '^Message$' 0.5
# KW_Init reports its own failure next.
answer_native_box '^Error$' 0.5
expect_exit 1
pass
