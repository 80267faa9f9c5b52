#!/usr/bin/env bash
# Short sessions from start to Exit leak nothing through our own code
# (tests/e2e/leaks.sh). With a sanitizer build at least as new as the program
# under test, all five sessions run under LeakSanitizer; otherwise the main
# menu and a level run under valgrind, which is slower.
bin="$1" repo="$2"
sanitized="$repo/build-sanitize/sodbolt"
if ! grep -q __asan_init "$bin" 2>/dev/null && [ -x "$sanitized" ] && ! [ "$sanitized" -ot "$bin" ]; then
  bin="$sanitized"
fi
if grep -q __asan_init "$bin" 2>/dev/null; then
  exec bash "$(dirname "$0")/leaks.sh" "$bin"
fi
exec bash "$(dirname "$0")/leaks.sh" "$bin" menu level
