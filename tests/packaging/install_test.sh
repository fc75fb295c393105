#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there.
set -euo pipefail
build_dir=$1
app_id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

expected=(
  "bin/vexal"
  "share/applications/$app_id.desktop"
  "share/icons/hicolor/32x32/apps/$app_id.png"
  "share/icons/hicolor/128x128/apps/$app_id.png"
  "share/metainfo/$app_id.metainfo.xml"
)
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || { echo "FAIL: $file not installed" >&2; exit 1; }
done
[ "$(cd "$prefix" && find . -type f | wc -l)" -eq ${#expected[@]} ] ||
  { echo "FAIL: unexpected files: $(cd "$prefix" && find . -type f)" >&2; exit 1; }

desktop="$prefix/share/applications/$app_id.desktop"
grep -qx 'Name=vexal' "$desktop"
grep -qx 'Categories=Game;ArcadeGame;' "$desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q '<release version="1.00"' "$prefix/share/metainfo/$app_id.metainfo.xml"

identify_size() { /usr/bin/identify -format '%wx%h' "$1"; }
[ "$(identify_size "$prefix/share/icons/hicolor/32x32/apps/$app_id.png")" = 32x32 ]
[ "$(identify_size "$prefix/share/icons/hicolor/128x128/apps/$app_id.png")" = 128x128 ]
echo "install test passed"
