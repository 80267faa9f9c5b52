#!/usr/bin/env bash
# Builds the benchmarks and runs them all under a private X display, then
# prints the performance table (each figure next to its reference, both from
# this run). Full output of each benchmark goes to the log folder.
#   bench/run.sh [build-folder]        default: build-bench (built as play.sh builds)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-bench}"
logs="$build/bench-logs"

cmake -S . -B "$build" -DSODBOLT_WERROR=ON >/dev/null
cmake --build "$build" -j2 --target bench_startup bench_content_load bench_game_frame \
  bench_tile_picker bench_par bench_screens >/dev/null
mkdir -p "$logs"

run() {
  local name="$1"; shift
  echo "running $name..." >&2
  timeout 600 scripts/with-display.sh "$build/bench/bench_$name" "$@" > "$logs/$name.txt" 2>&1 ||
    { echo "bench_$name failed:" >&2; cat "$logs/$name.txt" >&2; exit 1; }
}
run startup 5 5
run content_load 20
run game_frame 300 800 600
run tile_picker 20
run par 20
# The level at 1920 x 1080 needs a display screen that holds such a window.
SODBOLT_XVFB_SCREEN=1920x1200x24 run screens 6

# field LOG PATTERN N: the Nth number on the first line matching PATTERN.
field() { grep -m1 -- "$2" "$logs/$1.txt" | grep -oE '[0-9]+(\.[0-9]+)?' | sed -n "${3}p"; }

startup_ms=$(field startup 'main menu' 1)
startup_alone=$(field startup 'main menu' 2)
bare_ms=$(field startup 'empty Allegro window' 1)
tiles_ms=$(field content_load 'tile set load' 1)
tiles_ref=$(field content_load 'tile set load' 2)
map_ms=$(field content_load 'map load' 1)
map_ref=$(field content_load 'map load' 2)
frame_ms=$(field game_frame 'game frame (atlas' 1)
naive_ms=$(field game_frame 'game frame (naive' 1)
picker_ms=$(field tile_picker '1024 tiles' 2)
picker_ref=$(field tile_picker 'one tile' 1)
picker_ratio=$(field tile_picker 'ratio' 1)
par_ms=$(field par 'par of' 2)
par_cached=$(field par 'par of' 5)
level_mb=$(field startup 'level 1 played' 3)
menu_mb=$(field startup 'main menu:' 1)
bare_mb=$(field startup 'level 1 played' 4)

cat <<EOF

Measured $(date -u +%Y-%m-%d) on $(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'))
under Xvfb with Mesa's software renderer, 800 x 600 window.

| What | Sodbolt | Reference in the same run |
|---|---|---|
| Start-up to the first main-menu frame (exec to frame) | $startup_ms ms (StartUp alone $startup_alone ms) | empty Allegro window: $bare_ms ms |
| Tile set load (1024 tiles) | $tiles_ms ms | reading its bytes: $tiles_ref ms |
| Map load (with its tile set) | $map_ms ms | reading both files: $map_ref ms |
| Full game frame | $frame_ms ms | field drawn cell by cell: $naive_ms ms |
| Opening the tile picker (1024 tiles) | $picker_ms ms, ${picker_ratio}x (target at most 2x) | one-tile browser: $picker_ref ms |
| Par times of all 12 levels, planned (limit 100 ms) | $par_ms ms | the same from the cache: $par_cached ms |
| Peak memory in a level | $level_mb MB (main menu $menu_mb MB) | empty Allegro window: $bare_mb MB |
EOF
# idle screens: CPU of the screen, of the one-bitmap loop, and the ratio.
for screen in "main menu" "map editor" "tile editor" "sprite editor"; do
  line=$(grep -m1 -- "idle $screen" "$logs/screens.txt" | grep -oE '[0-9]+(\.[0-9]+)?' | tr '\n' ' ')
  set -- $line
  [ $# -ge 5 ] || { echo "| Idle $screen | did not run | |"; continue; }
  echo "| Idle $screen, CPU (\`bench_screens\`) | $1 % of a core: ${5}x the reference (target at most 0.35x) | one 800 x 600 bitmap drawn a frame: $4 % |"
done
# level WxH: frames median/p95 and CPU of the level, of the floor, and the CPU ratio.
for size in 800x600 1280x720 1920x1080; do
  line=$(grep -m1 -- "level $size" "$logs/screens.txt" | grep -oE '[0-9]+(\.[0-9]+)?' | tr '\n' ' ')
  set -- $line
  [ $# -ge 10 ] || { echo "| Level at $size | did not run | |"; continue; }
  echo "| Level at $size: frame interval median / p95, CPU (\`bench_screens\`) | $3 / $4 ms, $6 % of a core: ${10}x the floor (target at most 1.15x, p95 at most 18 ms) | one scaled 800 x 512 bitmap a frame at that size: $7 / $8 ms, $9 % |"
  [ "$size" = 800x600 ] && continue
  line=$(grep -m1 -- "6 clouds, $size" "$logs/screens.txt" | grep -oE '[0-9]+(\.[0-9]+)?' | tr '\n' ' ')
  set -- $line
  [ $# -ge 12 ] || { echo "| Level 12 (six clouds) at $size | did not run | |"; continue; }
  shift 4  # the level number, the cloud count and the two of the size
  echo "| Level 12 (six clouds) at $size | $1 / $2 ms, $4 %: ${8}x the floor | the same floor: $5 / $6 ms, $7 % |"
done
