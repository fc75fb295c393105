#!/usr/bin/env bash
# What playing costs the machine: the CPU time of the program and of the X server together
# while the game is played (the cannon moving and firing), beside a bare Qt window of the same
# size that repaints its whole area on the game's tick period and is sent the same keys (so
# that the X server's work on them counts on both sides). They take turns, three rounds after
# a first turn of each that is not counted, and the medians are compared; then the game's cost
# while paused by its About window. With the Windows build present, Vexal.exe under Wine takes
# its turns too (its CPU, the X server's and the Wine server's). With DESKTOP=sway it all runs
# in a headless Wayland compositor instead, whose CPU then counts as the X server's does.
# Under CI (CI=true) it plays one short round, which shows that it runs, not what play costs.
# Usage: [DESKTOP=sway] bench/cost_of_play.sh [SECONDS] [ROUNDS]
# (release builds in build/bench, and the Windows package's in build/windows-release)
set -euo pipefail
cd "$(dirname "$0")/.."
short=$([ "${CI:-}" = true ] && echo 1 || true)
seconds=${1:-$([ -n "$short" ] && echo 3 || echo 20)}
rounds=${2:-$([ -n "$short" ] && echo 1 || echo 3)}
paused_seconds=$([ -n "$short" ] && echo 3 || echo 10)
[ -z "$short" ] || echo "a short round (CI=true): the figures below only show that it runs"
build=build/bench
desktop=${DESKTOP:-openbox}
# The game in the desktop's frame, as the bare window it is compared with: on openbox it would
# draw its own, whose client area the session finds only over an accessibility bus, which would
# cost as much as the game.
export VEXAL_FRAMES=desktop
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel 2 --target vexal vexal_bare_window >/dev/null
exe=""
if [ "$desktop" != sway ] && command -v x86_64-w64-mingw32-g++-posix >/dev/null && [ -x /usr/lib/wine/wine64 ]; then
  cmake -S . -B build/windows-release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build build/windows-release --parallel 2 --target vexal >/dev/null
  exe=$PWD/build/windows-release/bin/Vexal.exe
  export WINEPREFIX=$PWD/$build/wine-prefix WINEDEBUG=-all
fi
source tests/e2e/player.sh
start_desktop "$desktop"
xserver=${session_pids[0]%%:*}  # its number, before its start time

# Nanoseconds on a CPU, of every thread of the processes: exact, where the tick counts of
# /proc/PID/stat are samples too coarse for a program that runs 2 % of the time. Printed with
# %.0f, as mawk's %d stops at 2^31 ns: 2.1 s, which the X server passes within a few turns.
cpu_ns() { for pid in "$@"; do cat /proc/"$pid"/task/*/schedstat; done | awk '{t += $1} END {printf "%.0f", t}'; }
# CPU seconds of the program, the X server (and the Wine server) over the given seconds, after
# the window has settled; then the program's resident KiB. With "play", keys move the cannon
# and fire (a bare window ignores them); with "paused", the About window is open.
measure() {
  local title=$1 mode=$3 duration=$4
  program=$2  # as the session's helpers know it
  start_program "$program" </dev/null >&2  # its output not in the answer's pipe, which it would hold open
  game=$(wait_for_window "$title")
  move_window "$game" 0 0
  activate "$game"
  [ "$mode" = paused ] && open_about
  sleep 1
  local watched=("$app" "$xserver")
  [[ $program == *.exe ]] && watched+=($(prefix_server))
  local before
  before=$(cpu_ns "${watched[@]}")
  if [ "$mode" = play ]; then
    delay=250 send_keys $(printf '4 space 6 space %.0s' $(seq "$duration"))
  else
    sleep "$duration"
  fi
  local used rss
  used=$(( $(cpu_ns "${watched[@]}") - before ))
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$app/status")
  kill "$app"
  # A Wine program lingers after its window has gone: the prefix's server ends it for good, and
  # is itself gone before the next turn, which would otherwise start under a dying server.
  if [[ $program == *.exe ]]; then
    /usr/lib/wine/wineserver -k
    /usr/lib/wine/wineserver -w
  fi
  wait_until_gone "$title"
  echo "$(awk -v t="$used" 'BEGIN {printf "%.3f", t / 1e9}') $rss"
}
# The Wine server of this prefix, not one that another program on the machine runs.
prefix_server() {
  for pid in $(pgrep wineserver); do
    tr '\0' '\n' <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid" || true
  done
}
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

[ -z "$exe" ] || WINEDLLOVERRIDES="mscoree,mshtml=" /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
declare -A cpu rss
# Turns of one program after another: a Wine program disturbs what runs after it in the same
# X server, so Vexal.exe takes its turns last.
turns() {
  for round in $(seq "$rounds"); do
    for who in "$@"; do
      case $who in
        game) read -r c r < <(measure Game "$build/bin/vexal" play "$seconds") ;;
        bare) read -r c r < <(measure Bare "$build/bin/vexal_bare_window" play "$seconds") ;;
        wine) read -r c r < <(measure Game "$exe" play "$seconds") ;;
      esac
      echo "round $round, $who: $c s CPU, $r KiB resident"
      cpu[$who]+="$c "
      rss[$who]+="$r "
    done
  done
}
# A first turn of each, not counted: the first program in a new X server pays for the server's
# own first drawing.
warm_up() {
  rounds=1 seconds=3 turns "$@" >/dev/null
  for who in "$@"; do cpu[$who]="" rss[$who]=""; done
}
[ -n "$short" ] || warm_up game bare
turns game bare
read -r paused _ < <(measure Game "$build/bin/vexal" paused "$paused_seconds")
if [ -n "$exe" ]; then
  [ -n "$short" ] || warm_up wine
  turns wine
fi

for who in "${!cpu[@]}"; do
  declare "cpu_$who=$(echo "${cpu[$who]}" | tr ' ' '\n' | grep . | median)"
  declare "rss_$who=$(echo "${rss[$who]}" | tr ' ' '\n' | grep . | median)"
done
echo "medians over $rounds rounds of $seconds s, program and display server ($desktop) together:"
echo "  game: $cpu_game s CPU, $rss_game KiB resident"
echo "  bare: $cpu_bare s CPU, $rss_bare KiB resident"
awk -v gc="$cpu_game" -v bc="$cpu_bare" -v gr="$rss_game" -v br="$rss_bare" \
  'BEGIN {printf "  ratios: CPU %.2f (at most 0.6), memory %.2f (at most 1.2)\n", gc / bc, gr / br}'
if [ -n "$exe" ]; then
  echo "  Vexal.exe under Wine (with the Wine server): $cpu_wine s CPU, $rss_wine KiB resident"
  awk -v wc="$cpu_wine" -v bc="$cpu_bare" 'BEGIN {printf "  Wine against bare: CPU %.2f\n", wc / bc}'
fi
echo "game paused by its About window, $paused_seconds s: $paused s CPU"
