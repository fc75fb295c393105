#!/usr/bin/env bash
# Starts the game of the release build (the play command's) in a private X server, waits for its
# window, lets the targets glide for a moment and saves a picture of the window.
# Usage: screenshot.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
program=build/release/bin/vexal
[ -x "$program" ] || { echo "no $program: run scripts/play.sh first" >&2; exit 1; }
scripts/install-deps.sh session
source scripts/desktop/session.sh
start_desktop
# The picture is of the game alone: the window manager frames it, not the game.
VEXAL_FRAMES=desktop "$program" &
own $!
window=$(wait_for_window Game)
sleep 1
/usr/bin/import -window "$window" "$output"
echo "saved $output"
