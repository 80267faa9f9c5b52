#!/usr/bin/env bash
# One minute of random input over every screen (tests/e2e/soak). It runs the
# sanitizer build when there is one at least as new as the program under
# test, so that memory and undefined-behaviour faults are reported too.
bin="$1" repo="$2"
sanitized="$repo/build-sanitize/sodbolt"
if ! grep -q __asan_init "$bin" 2>/dev/null && [ -x "$sanitized" ] && ! [ "$sanitized" -ot "$bin" ]; then
  bin="$sanitized"
fi
exec bash "$(dirname "$0")/soak" 60 "$bin"
