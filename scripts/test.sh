#!/usr/bin/env bash
# Installs what is missing, builds the test build (warnings as errors, AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVEXAL_WERROR=ON -DVEXAL_SANITIZE=ON
cmake --build build/test --parallel 2
ctest --test-dir build/test --output-on-failure --parallel 2
