#!/usr/bin/env bash
# Installs what is missing, builds the web page with Emscripten (the page, its script, the game
# as a WebAssembly module and the icon) and packs it into a zip of static files that any web
# server can serve; prints the zip's path. Its members carry the last commit's time, in a fixed
# order, so that every build of one commit gives the same zip.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh web
# Emscripten's tools find Debian's JavaScript modules there when node is not Debian's own.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
build=build/web
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel 2 >/dev/null
name=$(cat "$build/package-name")
touch -d "@$SOURCE_DATE_EPOCH" "$build"/page/*
rm -f "$build/$name.zip"
(cd "$build/page" && TZ=UTC zip -X -q "../$name.zip" $(ls | sort))
ls "$PWD/$build/$name.zip"
