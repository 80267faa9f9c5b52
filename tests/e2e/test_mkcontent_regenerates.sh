#!/usr/bin/env bash
# The committed base/, kwuidata/textures/ and kwuidata/icons/ are byte for byte what two runs of tools/mkcontent
# write, and its contact sheet comes out.
set -euo pipefail

REPO_ROOT="$2"
MKCONTENT="$3/mkcontent"
[ -x "$MKCONTENT" ] || { echo "FAIL: no mkcontent at $MKCONTENT" >&2; exit 1; }

scratch=$(mktemp -d /tmp/sodbolt-mkcontent.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/one" "$scratch/two"

"$MKCONTENT" "$scratch/one" >"$scratch/one.log" 2>&1 || { cat "$scratch/one.log" >&2; echo "FAIL: mkcontent failed" >&2; exit 1; }
"$MKCONTENT" "$scratch/two" >"$scratch/two.log" 2>&1 || { cat "$scratch/two.log" >&2; echo "FAIL: second run failed" >&2; exit 1; }

diff -r "$scratch/one" "$scratch/two" >/dev/null || { echo "FAIL: two runs of mkcontent differ" >&2; diff -rq "$scratch/one" "$scratch/two" >&2; exit 1; }

# every generated file equals the committed one
generated=0
while IFS= read -r file; do
  rel=${file#"$scratch/one/"}
  generated=$((generated + 1))
  [ -f "$REPO_ROOT/$rel" ] || { echo "FAIL: $rel is generated but missing from the repository" >&2; exit 1; }
  cmp -s "$file" "$REPO_ROOT/$rel" || { echo "FAIL: $rel differs from what mkcontent writes (run mkcontent and commit)" >&2; exit 1; }
done < <(find "$scratch/one" -type f | sort)
[ "$generated" -gt 100 ] || { echo "FAIL: only $generated files generated" >&2; exit 1; }

# and every committed content file is one that mkcontent writes
if git -C "$REPO_ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  while IFS= read -r rel; do
    [ -f "$scratch/one/$rel" ] || { echo "FAIL: $rel is committed but mkcontent does not write it" >&2; exit 1; }
  done < <(git -C "$REPO_ROOT" ls-files base kwuidata/textures kwuidata/icons)
fi

# the contact sheet reads the pack back through the game's loaders
"$MKCONTENT" --sheet "$scratch/sheet.png" "$scratch/one" >"$scratch/sheet.log" 2>&1 || { cat "$scratch/sheet.log" >&2; echo "FAIL: no contact sheet" >&2; exit 1; }
[ -s "$scratch/sheet.png" ] || { echo "FAIL: empty contact sheet" >&2; exit 1; }
if [ -s "$scratch/sheet.log" ]; then cat "$scratch/sheet.log" >&2; echo "FAIL: the contact sheet reported problems" >&2; exit 1; fi

echo "PASS: $generated files regenerate identically"
