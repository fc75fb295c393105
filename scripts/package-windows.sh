#!/usr/bin/env bash
# Installs what is missing, cross-builds Vexal.exe for 64-bit Windows with MinGW-w64, packs it
# into a zip and makes its Windows Installer package with wixl; prints the zip's path and the
# installer's. The zip's members carry the last commit's time, in a fixed order, so that every
# build of one commit gives the same zip. (wixl stamps each installer with its own package code
# and time.)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
build=build/windows-release
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel 2 >/dev/null
rm -rf "$build/zip"
cmake --install "$build" --prefix "$build/zip" --strip >/dev/null
name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
# Without the extra fields of Unix times and owners; the times that remain are in UTC.
touch -d "@$SOURCE_DATE_EPOCH" "$build"/zip/*
rm -f "$build/$name.zip"
(cd "$build/zip" && TZ=UTC zip -X -q "../$name.zip" $(ls | sort))
(cd "$build/zip" && wixl --arch x64 --output "../$name.msi" ../vexal.wxs)
ls "$PWD/$build/$name.zip"
ls "$PWD/$build/$name.msi"
