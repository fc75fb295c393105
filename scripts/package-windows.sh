#!/usr/bin/env bash
# Installs what is missing, cross-builds Vexal.exe for 64-bit Windows with MinGW-w64 and packs
# it into a zip; prints the zip's path.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows
cmake -S . -B build/windows-release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/windows-release --parallel 2 >/dev/null
(cd build/windows-release && cpack >/dev/null)
ls "$PWD"/build/windows-release/vexal-*-windows-x86_64.zip
