#!/usr/bin/env bash
# sodbolt-tool against the real Tiled: every shipped level read and drawn by Tiled as by the game, Tiled's own TMX
# (CSV and base64-zlib) importing back to the identical map; the tool's command line, errors and exit codes.
set -euo pipefail

REPO_ROOT="$2"
TOOL="$3/sodbolt-tool"
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$TOOL" ] || fail "no sodbolt-tool at $TOOL"
for program in tiled tmxrasterizer compare python3; do command -v "$program" >/dev/null || fail "$program is not installed"; done

WORK=$(mktemp -d /tmp/sodbolt-tiled.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cp -r "$REPO_ROOT/base" "$WORK/base"
# base/ and kwuidata/ side by side: the tool reads the content from here, as the portable game does.
ln -s "$REPO_ROOT/kwuidata" "$WORK/kwuidata"
cd "$WORK"
mkdir out
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$WORK"

# check_json MAP JSON: Tiled's JSON of a level against the tool's own reading of the map.
check_json() {
  "$TOOL" info "$1" >"$WORK/info.txt"
  python3 - "$WORK/info.txt" "$2" <<'EOF'
import json, sys
info = dict(line.rstrip("\n").split("=", 1) for line in open(sys.argv[1]))
doc = json.load(open(sys.argv[2]))
cells = [int(v) + 1 for r in range(16) for v in info["row%02d" % r].split()]
layers = [l for l in doc["layers"] if l["type"] == "tilelayer"]
assert doc["width"] == 25 and doc["height"] == 16, "size"
assert layers and layers[0]["data"] == cells, "layer data differs"
props = {p["name"]: p["value"] for p in doc.get("properties", [])}
want = {"title": info["title"], "author": info["author"], "timeLimit": int(info["timeLimit"]),
        "cloudCount": int(info["cloudCount"])}
assert props == want, "properties %r != %r" % (props, want)
start = [l for l in doc["layers"] if l["type"] == "objectgroup" and l["name"] == "start"][0]["objects"][0]
assert start.get("point") and (start["x"], start["y"]) == (int(info["startX"]), int(info["startY"])), "start object"
EOF
}

# to_zlib_json IN OUT: the JSON with its tile layer as base64 of zlib-packed ids, for Tiled to write as TMX.
to_zlib_json() {
  python3 - "$1" "$2" <<'EOF'
import base64, json, struct, sys, zlib
doc = json.load(open(sys.argv[1]))
layer = [l for l in doc["layers"] if l["type"] == "tilelayer"][0]
layer["data"] = base64.b64encode(zlib.compress(struct.pack("<%dI" % len(layer["data"]), *layer["data"]))).decode()
layer["encoding"], layer["compression"] = "base64", "zlib"
json.dump(doc, open(sys.argv[2], "w"))
EOF
}

levels=0
for map in base/maps/level*.map; do
  name=$(basename "$map" .map)
  "$TOOL" export-map "$map" "out/$name.tmx" || fail "$name: export-map failed"
  tiled --export-map json "out/$name.tmx" "out/$name.json" >/dev/null 2>"$WORK/tiled.log" \
    || { cat "$WORK/tiled.log" >&2; fail "$name: Tiled could not read the exported map"; }
  check_json "$map" "out/$name.json" || fail "$name: Tiled's reading differs from the map"

  # (the start layer hidden: Tiled marks a point object with a pin the game does not draw)
  tmxrasterizer --no-smoothing --hide-layer start "out/$name.tmx" "out/$name-tiled.png" 2>/dev/null || fail "$name: tmxrasterizer failed"
  "$TOOL" render-map "$map" "out/$name-game.png" || fail "$name: render-map failed"
  differing=$(compare -metric AE "out/$name-tiled.png" "out/$name-game.png" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "$name: Tiled draws $differing pixels otherwise than the game"

  tiled --export-map tmx "out/$name.json" "out/$name-tiled.tmx" >/dev/null 2>&1 || fail "$name: Tiled could not write TMX"
  to_zlib_json "out/$name.json" "out/$name-zlib.json"
  tiled --export-map tmx "out/$name-zlib.json" "out/$name-zlib.tmx" >/dev/null 2>&1 || fail "$name: no zlib TMX"
  grep -q 'compression="zlib"' "out/$name-zlib.tmx" || fail "$name: Tiled did not write base64-zlib data"
  for written in tiled zlib; do
    "$TOOL" import-map "out/$name-$written.tmx" "out/$name-$written.map" || fail "$name: import of Tiled's $written TMX failed"
    cmp -s "out/$name-$written.map" "$map" || fail "$name: Tiled's $written TMX imports to another map"
  done
  levels=$((levels + 1))
done
[ "$levels" -ge 12 ] || fail "only $levels levels found"

# Tile set and a sprite through the command line (the formats' round trips are unit tests).
"$TOOL" export-tileset base/tiles/sodbolt.til out/set.tsx && "$TOOL" import-tileset out/set.tsx out/set.til &&
  cmp -s out/set.til base/tiles/sodbolt.til || fail "tile set round trip"
"$TOOL" export-sprite base/sprites/mower.spr out/mower.png && "$TOOL" import-sprite out/mower.png out/mower.spr &&
  cmp -s out/mower.spr base/sprites/mower.spr || fail "sprite round trip"

# check-map: a shipped level passes; errors go to standard error with exit 2 (import refusals: unit tests).
"$TOOL" check-map base/maps/level01.map >"$WORK/check.txt" || fail "level01 does not pass check-map: $(cat "$WORK/check.txt")"
grep -q "planned route takes" "$WORK/check.txt" || fail "check-map printed: $(cat "$WORK/check.txt")"
expect_bad() {  # expect_bad TEXT ARGS...: exit 2, TEXT on standard error, nothing on standard output
  local text="$1" code=0; shift
  "$TOOL" "$@" >"$WORK/o.txt" 2>"$WORK/e.txt" || code=$?
  [ "$code" = 2 ] || fail "sodbolt-tool $* exited $code, not 2"
  grep -qF -- "$text" "$WORK/e.txt" || fail "sodbolt-tool $*: stderr lacks \"$text\": $(cat "$WORK/e.txt")"
  [ ! -s "$WORK/o.txt" ] || fail "sodbolt-tool $* wrote to standard output"
}
printf 'not a map' > out/bad.map
expect_bad "bad.map is not a valid map file." check-map out/bad.map
expect_bad "no command" frobnicate
"$TOOL" --help | grep -q "check-map" || fail "--help lists no commands"
[ -z "$(find out -name '*.tmp~')" ] || fail "temporary files left: $(find out -name '*.tmp~')"

echo "PASS: $levels levels through Tiled and back; tile set, sprites and the tool's errors"
