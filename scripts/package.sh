#!/usr/bin/env bash
# Installs what is missing, builds the package's own release build, hardened with Debian's build
# flags, and makes its Debian package, with the game in /usr/games as Debian's games are; prints
# the package's path. Its time stamps are the last commit's, so that every build of one commit
# gives the same package.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh package
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DVEXAL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build build/package --parallel 2 >/dev/null
(cd build/package && cpack >/dev/null)
ls "$PWD"/build/package/vexal_*.deb
