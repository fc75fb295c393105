#!/usr/bin/env bash
# Installs what is missing, builds the test build (warnings as errors, AddressSanitizer and
# UndefinedBehaviorSanitizer on), the Windows build (Vexal.exe and its tests) and the web page,
# and runs the whole suite headless: the Windows program and its tests under Wine, and the page
# in Chromium, Firefox and WebKitGTK, included.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test-build
command -v npm >/dev/null || scripts/install-deps.sh npm
# What only the tests' run needs (the desktops, Wine, the browsers) installs while the builds
# compile; sudo asks for its password before they start, not in their midst.
# Should a build fail first, the script waits for the install (a package manager stopped midway
# leaves the system's packages half set up) and says how it went; its log goes either way.
installing=""
if ! scripts/install-deps.sh --check test-run; then
  [ "$(id -u)" -eq 0 ] || sudo -v
  install_log=$(mktemp)
  scripts/install-deps.sh test-run >"$install_log" 2>&1 &
  installing=$!
  trap 'if [ -n "$installing" ]; then wait "$installing" || cat "$install_log" >&2; fi; rm -f "$install_log"' EXIT
fi
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DVEXAL_WERROR=ON
cmake --build build/windows --parallel 2
# The page's tests drive Chromium through playwright-core and Firefox through puppeteer-core, at
# the versions that the lockfile pins.
npm ci --prefix scripts/browser --no-audit --no-fund >/dev/null
# Emscripten's tools find Debian's JavaScript modules there when node is not Debian's own.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release -DVEXAL_WERROR=ON -DBUILD_TESTING=OFF
cmake --build build/web --parallel 2
# Line tables only (-g1): the sanitizers' reports still name each frame's file and line, and the
# build takes a tenth less time.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DVEXAL_WERROR=ON \
  -DVEXAL_SANITIZE=ON -DVEXAL_WINDOWS_BUILD="$PWD/build/windows" -DVEXAL_WEB_BUILD="$PWD/build/web"
cmake --build build/test --parallel 2
if [ -n "$installing" ]; then
  install=$installing installing=""
  wait "$install" || { cat "$install_log" >&2 && exit 1; }
fi
# Two at a time: each end-to-end test has a desktop of its own.
ctest --test-dir build/test --output-on-failure --parallel 2
