#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh play
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/release --parallel 2
exec build/release/bin/vexal
