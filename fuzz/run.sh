#!/usr/bin/env bash
# fuzz/run.sh [seconds]: builds the content fuzz targets (libFuzzer, ASan, UBSan) and runs each for that long
# (60 s), FUZZ_JOBS at a time (the core count); corpora in build-fuzz/corpus/, crashes in build-fuzz/crashes/.
set -euo pipefail
seconds="${1:-60}"
repo="$(cd "$(dirname "$0")/.." && pwd)"
out="${FUZZ_BUILD_DIR:-$repo/build-fuzz}"
cxx="${CXX_FUZZ:-clang++}"
mkdir -p "$out/obj" "$out/crashes"
jobs="${FUZZ_JOBS:-$(nproc)}"
pids=()
failed=0
wait_for_slot() {   # waits for the oldest job once $jobs are running; its failure is remembered
  if [ ${#pids[@]} -ge "$jobs" ]; then wait "${pids[0]}" || failed=1; pids=("${pids[@]:1}"); fi
}

allegro_flags=$(pkg-config --cflags allegro-5 tinyxml2 zlib)
allegro_libs="$(pkg-config --libs allegro-5 tinyxml2 zlib)"
common=(-std=c++17 -g -O1 -fno-omit-frame-pointer -I"$repo" $allegro_flags)
sanitize=(-fsanitize=address,undefined -fno-sanitize-recover=undefined)

# The content formats and what they call, built once per change.
sources=("$repo"/content/*.cpp "$repo/platform/platform.cpp" "$repo/fuzz/support.cpp")
objects=()
for src in "${sources[@]}"; do
  name=$(echo "${src#$repo/}" | tr '/' '_')
  obj="$out/obj/${name%.cpp}.o"
  objects+=("$obj")
  if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] || [ -n "$(find "$repo/content" "$repo/fuzz" -name '*.h' -newer "$obj" 2>/dev/null | head -n1)" ]; then
    wait_for_slot
    "$cxx" "${common[@]}" "${sanitize[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj" &
    pids+=($!)
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
pids=()

# Seeds.
"$cxx" "${common[@]}" "${sanitize[@]}" "$repo/fuzz/make_seeds.cpp" \
  $(printf '%s\n' "${objects[@]}") $allegro_libs -o "$out/make_seeds"
targets=(tileset map sprite savegame zentor_tileset zentor_sprite tiled)
for target in "${targets[@]}"; do mkdir -p "$out/seeds/$target" "$out/corpus/$target"; done
(cd "$out" && ASAN_OPTIONS=detect_leaks=0 ./make_seeds "$out/seeds")

declare -A max_len=([tileset]=40000 [map]=2000 [sprite]=4096 [savegame]=64 [zentor_tileset]=870000 [zentor_sprite]=4096 [tiled]=16384)
for target in "${targets[@]}"; do
  wait_for_slot
  "$cxx" "${common[@]}" "${sanitize[@]}" -fsanitize=fuzzer "$repo/fuzz/fuzz_$target.cpp" \
    $(printf '%s\n' "${objects[@]}") $allegro_libs -o "$out/fuzz_$target" &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
[ $failed = 0 ] || { echo "fuzz: a target did not build" >&2; exit 1; }

run_target() {
  local target="$1" log="$out/fuzz_$1.log" code=0
  # Run where no base/ folder exists, so a loaded map gets the blank tile set.
  (cd "$out" && ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
     "./fuzz_$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
     -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$out/crashes/${target}-" \
     -print_final_stats=1 "$out/corpus/$target" "$out/seeds/$target" >"$log" 2>&1) || code=$?
  echo "$code" >"$out/fuzz_$target.status"
}
echo "fuzz: ${targets[*]}, ${seconds} s each, $jobs at a time"
pids=()
for target in "${targets[@]}"; do
  wait_for_slot
  rm -f "$out/fuzz_$target.status"
  run_target "$target" &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done

status=0
for target in "${targets[@]}"; do
  log="$out/fuzz_$target.log"
  if [ "$(cat "$out/fuzz_$target.status" 2>/dev/null)" != 0 ]; then
    echo "fuzz_$target FAILED; see $log" >&2
    tail -n 40 "$log" >&2
    status=1
  else
    echo "fuzz_$target: $(grep -E "stat::number_of_executed_units|stat::new_units_added" "$log" | tr '\n' ' ')"
  fi
done
exit $status
