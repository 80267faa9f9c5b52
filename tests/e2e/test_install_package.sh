#!/usr/bin/env bash
# The installed desktop entry and AppStream file validate without a warning; the Debian package names its libraries
# and the font in Depends and has no lintian error. Skipped (exit code 77) without the tools.
set -euo pipefail

BUILD_DIR="$3"
for tool in desktop-file-validate appstreamcli cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d /tmp/sodbolt-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$BUILD_DIR" --prefix "$scratch/usr" >/dev/null
desktop=$(ls "$scratch"/usr/share/applications/*.desktop)
id=$(basename "$desktop" .desktop)
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --pedantic "$scratch/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
  fail "appstreamcli: $out"
! grep -qE '^[EW]:' <<<"$out" || fail "appstreamcli: $out"
for size in 32 48 64 128 256; do
  kind=$(file "$scratch/usr/share/icons/hicolor/${size}x$size/apps/$id.png")
  grep -q "$size x $size" <<<"$kind" || fail "no $size px icon: $kind"
done
# The installed tool finds the installed content from any folder.
(cd "$scratch" && usr/games/sodbolt-tool check-map usr/share/games/sodbolt/base/maps/level01.map >tool.log 2>&1) ||
  { cat "$scratch/tool.log" >&2; fail "the installed sodbolt-tool does not check a shipped level"; }

(cd "$scratch" && cpack -G DEB -B "$scratch/deb" --config "$BUILD_DIR/CPackConfig.cmake" >cpack.log 2>&1) ||
  { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$scratch"/deb/sodbolt_*_*.deb)
[[ "$(basename "$deb")" =~ ^sodbolt_[0-9.]+_[a-z0-9]+\.deb$ ]] || fail "package named $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'liballegro5.2' <<<"$depends" && grep -q 'fonts-dejavu-core' <<<"$depends" || fail "Depends: $depends"
contents=$(dpkg-deb -c "$deb")
grep -q ' ./usr/games/sodbolt$' <<<"$contents" || fail "the package has no /usr/games/sodbolt"
! grep -q 'DejaVuSans.ttf' <<<"$contents" || fail "the package ships the font"

# lintian gives exit code 1 on errors only with --fail-on error.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$scratch/lintian.txt" 2>&1 ||
  { cat "$scratch/lintian.txt" >&2; fail "lintian reports errors"; }
grep -E '^[WE]:' "$scratch/lintian.txt" || true
echo "PASS: $(basename "$deb") (Depends: $depends)"
