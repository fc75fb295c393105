#!/usr/bin/env bash
# Shakes the real program hard under a window manager: ten thousand random key presses at full
# speed, two hundred About open-and-OK cycles, two hundred frame closes of the About window each
# followed by a reopen and OK. Afterwards it must answer, show numbers, and have kept its memory.
program=$1
source "$(dirname "$0")/x_session.sh"

start_x
start_window_manager
start_accessibility_bus

# Freed memory goes straight back, so resident memory shows what the program really keeps.
ASAN_OPTIONS=quarantine_size_mb=0:thread_local_quarantine_size_kb=0 "$program" &
app=$!
session_pids+=("$app")
game=$(wait_for_window Game)
xdotool windowmove --sync "$game" 0 0
xdotool windowactivate --sync "$game"

keys=(4 6 space x 5 Return a)
presses=()
for press in $(seq 10000); do
  presses+=("${keys[RANDOM % ${#keys[@]}]}")
done
started=$(date +%s.%N)
xdotool key --delay 0 "${presses[@]}"
ended=$(date +%s.%N)
rate=$(awk -v s="$started" -v e="$ended" 'BEGIN {printf "%d", 10000 / (e - s)}')

# The game window stands at 0,0 with the About caption at 104,384 of its client area.
about_x=$(( $(xwininfo -id "$game" | awk '/Absolute upper-left X:/ {print $4}') + 104 ))
about_y=$(( $(xwininfo -id "$game" | awk '/Absolute upper-left Y:/ {print $4}') + 384 ))
xdotool mousemove "$about_x" "$about_y"
sleep 0.05
# The pointer stays there: the About window opens elsewhere.
open_about() {
  xdotool click --delay 0 1
  about=$(wait_for_window "About vexal")
}
# The window manager gives a new window the focus, and OK has it there. Should the key have
# come before the focus, the window is activated and the key sent again.
ok_about() {
  xdotool key Return
  if ! gone_within "About vexal" 1; then
    xdotool windowactivate --sync "$about"
    xdotool key Return
    wait_until_gone "About vexal"
  fi
}

open_about
ok_about
first_rss=$(resident_kib "$app")
for cycle in $(seq 199); do
  open_about
  ok_about
done
for cycle in $(seq 200); do
  open_about
  wmctrl -i -c "$about"
  wait_until_gone "About vexal"
  open_about
  ok_about
done
last_rss=$(resident_kib "$app")

kill -0 "$app" 2>/dev/null || fail "the program died"
xdotool windowactivate --sync "$game"
xdotool key --delay 5 $(printf '6 %.0s' $(seq 30))
sleep 0.3
before=$(cannon_left_edge "$game")
xdotool key 4
sleep 0.3
after=$(cannon_left_edge "$game")
[ "$after" -lt "$before" ] || fail "4 did not move the cannon ($before -> $after)"

for caption in Win: Lost: Level:; do
  counter=$(/usr/bin/python3 "$(dirname "$0")/read_label.py" "$app" "$caption")
  [[ $counter =~ ^[0-9]+$ ]] || fail "$caption reads '$counter'"
  echo "$caption $counter"
done

growth=$((last_rss - first_rss))
echo "soak: $rate key presses a second; resident memory $first_rss KiB at the first About" \
  "cycle, $last_rss KiB at the last ($growth KiB)"
[ "$growth" -lt 2048 ] || fail "resident memory grew by $growth KiB over the About cycles"
