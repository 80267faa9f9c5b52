#!/usr/bin/env bash
# Installs what Sodbolt needs, builds it and starts the game.
# Extra arguments go to the program: ./play.sh -base mymod
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_packages $RUNTIME_PACKAGES
place_font
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSODBOLT_TESTS=OFF
exec ./build/sodbolt "$@"
