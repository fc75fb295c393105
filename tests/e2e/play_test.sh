#!/usr/bin/env bash
# The real program in a real X server, played hard. Started with the toolkit's own options,
# which it must ignore, it shows one window "Game" with a 208 x 400 client area, sizeable,
# without maximize and minimize. Ten "4" put the cannon's edge on pixel 5. Then ten thousand
# random keys at full speed, and two hundred rounds of an About window closed by its frame and
# two left with OK: afterwards it answers, shows numbers, has kept its memory, and closing its
# window ends it with status 0.
program=$1
source "$(dirname "$0")/x_session.sh"
start_x
start_window_manager
start_accessibility_bus

# Freed memory goes straight back, so resident memory shows what the program really keeps.
ASAN_OPTIONS=quarantine_size_mb=0:thread_local_quarantine_size_kb=0 \
  "$program" -qwindowtitle X -qwindowgeometry 50x50 -stylesheet /nonexistent &
app=$!
game=$(wait_for_window Game)
[ "$(client_size "$game")" = 208x400 ] || fail "client area is $(client_size "$game")"
[ "$(xdotool search --onlyvisible --pid "$app" | wc -l)" -eq 1 ] || fail "more than one window"
# Motif functions resize (0x2), but neither minimize (0x8) nor maximize (0x10): openbox keeps
# its buttons regardless, so the hints themselves are checked.
functions=$(xprop -id "$game" _MOTIF_WM_HINTS | sed 's/.*= //' | cut -d, -f2)
(( (functions & 0x2) && !(functions & 0x18) )) || fail "Motif window functions $functions"
xdotool windowmove --sync "$game" 0 0 windowactivate --sync "$game" \
  key --delay 20 4 4 4 4 4 4 4 4 4 4 sleep 0.3
[ "$(cannon_left_edge "$game")" = 5 ] || fail "the cannon's edge is on $(cannon_left_edge "$game")"

keys=(4 6 space x 5 Return a)
xdotool key --delay 0 $(for _ in $(seq 10000); do echo "${keys[RANDOM % 7]}"; done)
# The pointer stays on the About caption; the About window opens elsewhere, with OK focused.
open_about() {
  xdotool click --delay 0 1
  about=$(wait_for_window "About vexal")
}
# Should OK's key have come before the focus, it is sent again.
ok_about() {
  xdotool key Return sleep 0.05
  if shown "About vexal" >/dev/null; then xdotool windowactivate --sync "$about" key Return; fi
  wait_until_gone "About vexal"
}
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$app/status"; }
click_in "$game" 104 384
about=$(wait_for_window "About vexal")
ok_about
first_rss=$(rss)
for _ in $(seq 200); do
  open_about
  wmctrl -i -c "$about"
  wait_until_gone "About vexal"
  open_about
  ok_about
  open_about
  ok_about
done
growth=$(($(rss) - first_rss))
echo "resident memory grew by $growth KiB over the About cycles"
[ "$growth" -lt 2048 ] || fail "resident memory grew by $growth KiB"

for caption in Win: Level: Lost:; do
  counter=$(/usr/bin/python3 "$(dirname "$0")/read_label.py" "$app" "$caption")
  [[ $counter =~ ^[0-9]+$ ]] || fail "$caption reads '$counter'"
done
[ "$counter" -gt 0 ] || fail "nothing lost after all that play"
wmctrl -i -c "$game"
wait_for_exit "$app" || fail "closing the window ended the process with status $?"
echo "play test passed"
