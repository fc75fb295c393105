#!/usr/bin/env bash
# Plays the real game in a private X server for a while and reports its CPU time and resident
# memory beside those of a bare Qt window of the same size and tick period.
# Usage: bench/cost_of_play.sh [SECONDS]   (builds a release build in build/bench when needed)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel 2 --target vexal vexal_bare_window >/dev/null
source tests/e2e/x_session.sh
start_x

# CPU seconds (user and system) and resident KiB of a program after the given seconds.
measure() {
  local title=$1 program=$2 pid window
  "$program" &
  pid=$!
  session_pids+=("$pid")
  window=$(wait_for_window "$title")
  if [ "$title" = Game ]; then
    xdotool windowfocus "$window"
    xdotool key --delay 250 $(printf '4 space 6 space %.0s' $(seq $((seconds))))
  else
    sleep "$seconds"
  fi
  local ticks rss
  ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  echo "$(awk -v t="$ticks" -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.2f", t / hz}') $rss"
}

read -r game_cpu game_rss < <(measure Game "$build/src/vexal")
read -r bare_cpu bare_rss < <(measure Bare "$build/bench/vexal_bare_window")
echo "game: ${game_cpu} s CPU, ${game_rss} KiB resident"
echo "bare: ${bare_cpu} s CPU, ${bare_rss} KiB resident"
awk -v gc="$game_cpu" -v bc="$bare_cpu" -v gr="$game_rss" -v br="$bare_rss" \
  'BEGIN {printf "ratios: CPU %.2f (at most 1.5), memory %.2f (at most 1.2)\n", gc / bc, gr / br}'
