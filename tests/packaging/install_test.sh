#!/usr/bin/env bash
# Installs the build into a temporary prefix: exactly the program in bin, the desktop entry, two
# icons and the metainfo, each valid where a desktop looks for it, and the manual page, which
# groff renders without a warning, the changelog and the copyright file.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
cd "$prefix"

found=$(find . -type f | sort | tr '\n' ' ')
expected="./bin/vexal ./share/applications/$2.desktop ./share/doc/vexal/changelog.gz \
./share/doc/vexal/copyright ./share/icons/hicolor/128x128/apps/$2.png \
./share/icons/hicolor/32x32/apps/$2.png ./share/man/man6/vexal.6.gz ./share/metainfo/$2.metainfo.xml "
[ "$found" = "$expected" ] || { echo "FAIL: installed $found" >&2; exit 1; }
grep -qx 'Categories=Game;ArcadeGame;' "share/applications/$2.desktop"
grep -qx "StartupWMClass=$2" "share/applications/$2.desktop"  # the program's window names it
desktop-file-validate "share/applications/$2.desktop"
appstreamcli validate --no-net "share/metainfo/$2.metainfo.xml" >/dev/null
[ "$(/usr/bin/identify -format '%wx%h ' share/icons/hicolor/*/apps/*.png)" = "128x128 32x32 " ]
warnings=$(zcat share/man/man6/vexal.6.gz | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || { echo "FAIL: the manual page: $warnings" >&2; exit 1; }
echo "install test passed"
