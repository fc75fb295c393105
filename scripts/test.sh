#!/usr/bin/env bash
# Installs what is missing, builds the test build (warnings as errors, AddressSanitizer and
# UndefinedBehaviorSanitizer on) and the Windows build (Vexal.exe and its tests), and runs the
# whole suite headless, the Windows program and its tests under Wine included.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DVEXAL_WERROR=ON
cmake --build build/windows --parallel 2
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVEXAL_WERROR=ON -DVEXAL_SANITIZE=ON \
  -DVEXAL_WINDOWS_BUILD="$PWD/build/windows"
cmake --build build/test --parallel 2
ctest --test-dir build/test --output-on-failure --parallel 2
