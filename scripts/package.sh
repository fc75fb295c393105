#!/usr/bin/env bash
# Installs what is missing, builds the release build and makes its Debian package, with the
# game in /usr/games as Debian's games are; prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh package
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DVEXAL_BINDIR=games >/dev/null
cmake --build build/release --parallel 2 >/dev/null
(cd build/release && cpack >/dev/null)
ls "$PWD"/build/release/vexal_*.deb
