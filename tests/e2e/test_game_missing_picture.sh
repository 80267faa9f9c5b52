#!/usr/bin/env bash
# Without inter_OutOfTime.tga the program stops at start with the "Error"
# box naming the picture, and exit code 1.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/game_lib.sh"

make_workdir --copy-base
rm "$WORK/base/inter_OutOfTime.tga"
start_app
answer_native_box '^Error$' 0.5
expect_exit 1
grep -q 'Unable to load bitmap from base/inter_OutOfTime.tga' "$WORK/stderr.txt" ||
  fail "the error does not name base/inter_OutOfTime.tga"
pass
