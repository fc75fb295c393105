#!/usr/bin/env bash
# Installs the build into a temporary prefix: exactly the program, the desktop entry, two icons
# and the metainfo, each valid where a desktop looks for it.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
cd "$prefix"

found=$(find . -type f | sort | tr '\n' ' ')
expected="./bin/vexal ./share/applications/$2.desktop ./share/icons/hicolor/128x128/apps/$2.png \
./share/icons/hicolor/32x32/apps/$2.png ./share/metainfo/$2.metainfo.xml "
[ "$found" = "$expected" ] || { echo "FAIL: installed $found" >&2; exit 1; }
grep -qx 'Categories=Game;ArcadeGame;' "share/applications/$2.desktop"
desktop-file-validate "share/applications/$2.desktop"
appstreamcli validate --no-net "share/metainfo/$2.metainfo.xml" >/dev/null
[ "$(/usr/bin/identify -format '%wx%h ' share/icons/hicolor/*/apps/*.png)" = "128x128 32x32 " ]
echo "install test passed"
