#!/usr/bin/env bash
# Kills the program with SIGKILL at random moments while it saves, many times
# for each kind of file it writes, and checks after every kill that the file
# on disk is exactly the old or the new version, byte for byte: never a mix,
# never empty. The saving is done by tools/killsave through the program's own
# savers. A temporary file left by a kill in the middle of a write is allowed
# only under its own name (never one the game or an editor would load).
#   tests/killsave/run.sh KILLSAVE_BINARY [KILLS_PER_KIND]   (KILLSAVE_SEED=n for another sequence)
set -u
tool="$1"
kills="${2:-50}"
RANDOM="${KILLSAVE_SEED:-17}"
work=$(mktemp -d /tmp/killsave.XXXXXX)
trap 'rm -rf "$work"' EXIT
status=0

# kind, file name, the temporary name its saver uses
cases="map level01.map .tmp~
tileset tiles.til .tmp~
sprite mower.spr .tmp~
savegame 000.sav .tmp~
settings sodbolt.ini .new
image export.png .tmp~"

while read -r kind name temporary; do
  dir="$work/$kind"
  mkdir -p "$dir/ref"
  a="$dir/ref/a.${name##*.}"
  b="$dir/ref/b.${name##*.}"
  if ! save_us=$("$tool" reference "$kind" "$a" "$b"); then
    echo "FAIL $kind: the two versions could not be written"; status=1; continue
  fi
  cmp -s "$a" "$b" && { echo "FAIL $kind: the two versions are the same"; status=1; continue; }
  # The kill falls anywhere in the first three saves or so (at least 3 ms: a
  # wait is no shorter than starting the sleep).
  window=$((save_us * 3 > 3000 ? save_us * 3 : 3000))
  target="$dir/$name"
  cp "$a" "$target"
  as=0 bs=0 midwrite=0 bad=0
  for ((i = 1; i <= kills; i++)); do
    coproc SAVER { exec "$tool" loop "$kind" "$target" $((RANDOM % 2)) 2>"$dir/stderr.txt"; }
    pid=$SAVER_PID
    read -r -t 10 -u "${SAVER[0]}" ready || ready=""
    [ "$ready" = "saving" ] || { echo "FAIL $kind kill $i: the saver did not start"; bad=$((bad + 1)); }
    sleep "$(printf '0.%06d' $(((RANDOM * 32768 + RANDOM) % window)))"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if [ -s "$dir/stderr.txt" ]; then
      echo "FAIL $kind kill $i: the saver reported: $(head -c 300 "$dir/stderr.txt")"; bad=$((bad + 1))
    fi
    if cmp -s "$target" "$a"; then as=$((as + 1)); elif cmp -s "$target" "$b"; then bs=$((bs + 1)); else
      echo "FAIL $kind kill $i: $name is neither version ($(stat -c %s "$target" 2>/dev/null || echo missing) bytes)"
      bad=$((bad + 1)); cp "$a" "$target"; continue
    fi
    [ -e "$target$temporary" ] && midwrite=$((midwrite + 1))
    extra=$(ls -A "$dir" | grep -v -x -e ref -e stderr.txt -e "$name" -e "$name$temporary")
    [ -z "$extra" ] || { echo "FAIL $kind kill $i: files left over: $extra"; bad=$((bad + 1)); }
  done
  echo "$kind: $kills kills (one save ${save_us} us), file whole as version A $as times and B $bs times," \
       "$midwrite kills inside a write (temporary left over), $bad bad"
  [ "$bad" -eq 0 ] || status=1
done <<< "$cases"
exit $status
