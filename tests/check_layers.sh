#!/usr/bin/env bash
# The layers of the code, bottom to top:
#   platform -> kwui -> content, audio -> game -> editors -> app
# A file includes headers of its own layer or lower ones only; content and
# audio, side by side, do not include each other. A lower layer that must
# reach a higher one does it through a hook the higher one installs at
# start-up (as kwFatalHandler and kwCloseHandler are).
# Usage: tests/check_layers.sh [source-folder]; lists each include that runs
# up or across and fails when there is one.
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2

rank() {
  case "$1" in
    platform) echo 1 ;; kwui) echo 2 ;; content|audio) echo 3 ;;
    game) echo 4 ;; editors) echo 5 ;; app) echo 6 ;; *) echo 0 ;;
  esac
}

bad=0
for f in $(find platform kwui content audio game editors app -name '*.h' -o -name '*.cpp' | sort); do
  from=${f%%/*}; rf=$(rank "$from")
  for inc in $(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z]+\/[^"]+)".*/\1/p' "$f"); do
    to=${inc%%/*}; rt=$(rank "$to")
    [ "$rt" -eq 0 ] && continue
    if [ "$rt" -gt "$rf" ] || { [ "$rt" -eq 3 ] && [ "$rf" -eq 3 ] && [ "$from" != "$to" ]; }; then
      echo "$f -> $inc: $from may not include $to"
      bad=1
    fi
  done
done
[ $bad -eq 0 ] && echo "layers: every include runs down or within its layer"
exit $bad
