#!/usr/bin/env bash
# Runs the Windows test program under Wine, in a Wine prefix of its own that goes with it.
set -euo pipefail
program=$1
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

export WINEPREFIX
WINEPREFIX=$(mktemp -d)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no offers to install .NET or a browser engine
trap '"$(dirname "$wine")/wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

"$wine" wineboot --init >/dev/null 2>&1
"$wine" "$program"
