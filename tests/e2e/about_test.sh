#!/usr/bin/env bash
set -euo pipefail
# The About window on a real desktop (see scripts/desktop/session.sh): it pauses the game and is
# an independent top-level window, which on X11 a click on the main window puts behind it. A
# press on "About" released elsewhere is no click. A bare "s" is no access key, Esc resumes the
# game, the frame's close leaves it paused. With no tool on PATH System Info says so; its access
# key gives it the focus, which comes back with the About window after the box, and activated,
# Enter presses it again. After the main window the About window holds the focus, and OK closes
# it and the process ends with 0. Its X server resets when its last client leaves.
# Usage: about_test.sh PROGRAM [DESKTOP]
program=$1
source "$(dirname "$0")/player.sh"
x_server_resets=1 start_desktop "${2:-}"
start_accessibility_bus

# With no tool on PATH (Linux), or none named by the registry (Wine's has the key, no value).
mkdir "$session_dir/no-tools"
if [[ $program == *.exe ]]; then start_program "$program"; else PATH="$session_dir/no-tools" start_program "$program"; fi
game=$(wait_for_window Game)
move_window "$game" 0 0
activate "$game"
scaled() { echo $(($1 * ${OUTPUT_SCALE:-1})); }
drag_in "$game" "$(scaled 104)" "$(scaled 384)" "$(scaled 104)" "$(scaled 300)"
press_keys 6
expect_cannon  # the game has taken the press and the release by now
stays eval '! shown "About vexal" >/dev/null' || fail "a press on About released elsewhere opened it"
open_about_aside() {
  open_about
  move_window "$about" 400 100
  activate "$about"
}
# Two pictures of the field 0.4 s apart differ, pixel for pixel. A picture that is missing fails
# the test: two empty ones would look alike.
field_moves() {
  local shot
  for shot in first second; do
    picture "$game" >"$session_dir/$shot.png" && [ -s "$session_dir/$shot.png" ] ||
      fail "no picture of the game window"
    [ "$shot" = second ] || sleep 0.4
  done
  [ "$(compare -metric AE "$session_dir/first.png" "$session_dir/second.png" null: 2>&1)" != 0 ]
}
hex() { printf '0x%x' "$1"; }
stacked() { xprop -root _NET_CLIENT_LIST_STACKING | tr -d , | awk -v g="$(hex "$game")" -v a="$(hex "$about")" \
  '{for (i = 5; i <= NF; ++i) printf "%s", $i == g ? "Game " : $i == a ? "About " : ""}'; }

open_about_aside
[ "$(client_size "$about")" = "$(scaled 351)x$(scaled 150)" ] || fail "About client area is $(client_size "$about")"
expect_frame "$about" fixed
# A second click on "About", with the game in front, brings the one About window to the front.
# Under Wine the window manager keeps the stacking: a program's own activation does not reach
# it, and the click is given time instead. On Wayland the compositor alone stacks windows.
x11=$([ -z "$wayland" ] && echo 1 || true)
click_in "$game" "$(scaled 104)" "$(scaled 100)"
[ -z "$x11" ] || poll eval '[ "$(stacked)" = "About Game " ]' || fail "a click did not raise the game: $(stacked)"
click_in "$game" "$(scaled 104)" "$(scaled 384)"
if [ -n "$x11" ] && [[ $program != *.exe ]]; then
  poll eval '[ "$(stacked)" = "Game About " ]' || fail "About was not brought to the front: $(stacked)"
fi
stays eval '[ "$(window_count "$app")" = 2 ]' || fail "a second About window"
! field_moves || fail "the field moves while the About window is open"
if [ -n "$x11" ]; then
  asks=$(xprop -id "$about" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE)
  [[ $asks != *"WM_TRANSIENT_FOR(WINDOW)"* && $asks == *" _NET_WM_WINDOW_TYPE_NORMAL" && $asks != *DIALOG* ]] ||
    fail "the About window asks for $asks"
  click_in "$game" 104 100
  poll eval '[ "$(stacked)" = "About Game " ]' || fail "stacking from the bottom: $(stacked)"
  active=$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //; s/,.*//')
  [ "$active" = "$(hex "$game")" ] || fail "the active window is $active, not the main window"
fi

activate "$about"
send_keys s Escape
wait_until_gone "About vexal"
tries=10 poll field_moves || fail "Esc did not resume the game"
open_about_aside
close_window "$about"
wait_until_gone "About vexal"
! field_moves || fail "closing the About window by its frame resumed the game"

focused() { [ "$(focused_window)" = "$about" ]; }
unavailable() {
  local message
  message=$(wait_for_window vexal)
  expect_frame "$message" fixed
  read_label --shows "System Information Is Unavailable At This Time" >/dev/null ||
    fail "the message does not say so"
  activate "$message"
  send_keys Return
  wait_until_gone vexal
  poll focused || fail "the About window did not take the focus back: $(focused_window)"
}
open_about_aside
send_keys alt+s
unavailable
activate "$about"
send_keys Return
unavailable
close_window "$game"
wait_until_gone Game
poll focused || fail "the focus went to $(focused_window) with the main window"
activate "$about"
tries=150 poll focused || fail "the About window did not hold the focus: $(focused_window)"
click_in "$about" "$(scaled 58)" "$(scaled 131)"  # OK
wait_for_exit "$app" || fail "the process ended with status $?"
echo "about test passed on $desktop"
