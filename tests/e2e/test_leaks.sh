#!/usr/bin/env bash
# A minute of random input over every screen (soak), then short sessions leaking nothing through our code (leaks.sh):
# all five under a sanitizer build as new as the program under test, else the menu and a level under valgrind.
bin="$1" repo="$2"
sanitized="$repo/build-sanitize/sodbolt"
if ! grep -q __asan_init "$bin" 2>/dev/null && [ -x "$sanitized" ] && ! [ "$sanitized" -ot "$bin" ]; then
  bin="$sanitized"
fi
bash "$(dirname "$0")/soak" 60 "$bin" || exit 1
if grep -q __asan_init "$bin" 2>/dev/null; then
  exec bash "$(dirname "$0")/leaks.sh" "$bin"
fi
exec bash "$(dirname "$0")/leaks.sh" "$bin" menu level
