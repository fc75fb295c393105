#!/usr/bin/env bash
# Real key presses through the X server: ten "4" put the cannon's left edge on pixel 5, and a
# few seconds of play count losses, read from the labels as a screen reader reads them.
program=$1
source "$(dirname "$0")/x_session.sh"

start_x
start_window_manager
start_accessibility_bus

"$program" &
app=$!
session_pids+=("$app")
window=$(wait_for_window Game)
xdotool windowactivate --sync "$window"

for press in $(seq 10); do
  xdotool key --delay 20 4
done
sleep 0.5

left_edge=$(cannon_left_edge "$window")
[ "$left_edge" = 5 ] || fail "the cannon's left edge is on pixel $left_edge"

sleep 3
lost=$(/usr/bin/python3 "$(dirname "$0")/read_label.py" "$app" "Lost:") || fail "no losses label"
[[ $lost =~ ^[0-9]+$ ]] && [ "$lost" -gt 0 ] || fail "Lost: reads '$lost' after seconds of play"
echo "game test passed: cannon at pixel $left_edge, $lost lost"
