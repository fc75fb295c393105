#!/usr/bin/env bash
# The About window in a real X server under a window manager: it pauses the game, Esc resumes
# it, the frame's close leaves it paused, and with no tool on PATH System Info says so.
program=$1
source "$(dirname "$0")/x_session.sh"

start_x
start_window_manager
start_accessibility_bus

mkdir "$session_dir/no-tools"
PATH="$session_dir/no-tools" "$program" &
app=$!
session_pids+=("$app")
game=$(wait_for_window Game)
xdotool windowmove --sync "$game" 0 0

open_about() {
  click_in "$game" 104 384
  about=$(wait_for_window "About vexal")
  xdotool windowmove --sync "$about" 400 100
  sleep 0.3
}

field_moves() {
  local before after
  before=$(window_picture "$game")
  sleep 0.4
  after=$(window_picture "$game")
  [ "$before" != "$after" ]
}

field_moves || fail "the game does not run at start"

open_about
[ "$(client_size "$about")" = 351x150 ] || fail "About client area is $(client_size "$about")"
! field_moves || fail "the field moves while the About window is open"

xdotool windowactivate --sync "$about"
xdotool key Escape
wait_until_gone "About vexal"
field_moves || fail "Esc did not resume the game"

open_about
wmctrl -i -c "$about"
wait_until_gone "About vexal"
sleep 0.2
! field_moves || fail "closing the About window by its frame resumed the game"

open_about
xdotool windowactivate --sync "$about"
xdotool key alt+s
message=$(wait_for_window vexal)
/usr/bin/python3 "$(dirname "$0")/read_label.py" "$app" --shows \
  "System Information Is Unavailable At This Time" || fail "the message box does not say so"
xdotool windowactivate --sync "$message"
xdotool key Return
wait_until_gone vexal
xdotool search --onlyvisible --name '^About vexal$' >/dev/null || fail "the About window closed"

# The main window closed first, OK then closes the About window and the process ends.
wmctrl -i -c "$game"
wait_until_gone Game
xdotool windowactivate --sync "$about"
xdotool key Return
status=0
wait_for_exit "$app" || status=$?
[ "$status" -eq 0 ] || fail "the process ended with status $status"
echo "about test passed"
