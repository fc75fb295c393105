#!/usr/bin/env bash
# Starts the real program in a private X server, waits for its window, lets the targets glide
# for a moment and saves a picture of the window. Usage: screenshot.sh PROGRAM [OUTPUT.png]
set -euo pipefail
program=$1
output=${2:-docs/screenshot.png}
source "$(dirname "$0")/../tests/e2e/x_session.sh"

start_x
"$program" &
session_pids+=($!)
window=$(wait_for_window Game)
sleep 1
/usr/bin/import -window "$window" "$output"
echo "saved $output"
