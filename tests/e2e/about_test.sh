#!/usr/bin/env bash
# The About window in a real X server under a window manager (openbox unless named): it pauses
# the game and is an independent top-level window, which a click on the main window puts
# behind it. A press on "About" released elsewhere is no click. A bare "s" is no access key, Esc
# resumes the game, the frame's close leaves it paused. With no tool on PATH System Info says
# so; its access key gives it the focus, which comes back with the About window after the box,
# so that Enter presses it again. After the main window the About window holds the focus, and
# Esc (OK) closes it and the process ends with 0.
# Usage: about_test.sh PROGRAM [WINDOW_MANAGER]
program=$1
source "$(dirname "$0")/x_session.sh"
start_x
start_window_manager "${2:-openbox}"
start_accessibility_bus

# With no tool on PATH (Linux), or none named by the registry (Wine's has the key, no value).
mkdir "$session_dir/no-tools"
if [[ $program == *.exe ]]; then start_program "$program"; else PATH="$session_dir/no-tools" start_program "$program"; fi
game=$(wait_for_window Game)
xdotool windowmove --sync "$game" 0 0 windowactivate --sync "$game"
xdotool mousemove $(on_screen "$game" 104 384) mousedown 1 mousemove $(on_screen "$game" 104 300) mouseup 1
press_keys 6
expect_cannon  # the game has taken the press and the release by now
! shown "About vexal" >/dev/null || fail "a press on About released elsewhere opened it"
open_about_aside() {
  open_about
  xdotool windowmove --sync "$about" 400 100 windowactivate --sync "$about"
}
field_moves() { [ "$(import -window "$game" png:- | md5sum)" != "$(sleep 0.4; import -window "$game" png:- | md5sum)" ]; }
hex() { printf '0x%x' "$1"; }
stacked() { xprop -root _NET_CLIENT_LIST_STACKING | tr -d , | awk -v g="$(hex "$game")" -v a="$(hex "$about")" \
  '{for (i = 5; i <= NF; ++i) printf "%s", $i == g ? "Game " : $i == a ? "About " : ""}'; }

open_about_aside
[ "$(client_size "$about")" = 351x150 ] || fail "About client area is $(client_size "$about")"
# A second click on "About", with the game in front, brings the one About window to the front.
# Under Wine the window manager keeps the stacking: a program's own activation does not reach
# it, and the click is given time instead.
click_in "$game" 104 100
poll eval '[ "$(stacked)" = "About Game " ]' || fail "a click did not raise the game: $(stacked)"
click_in "$game" 104 384
if [[ $program == *.exe ]]; then sleep 0.3; else
  poll eval '[ "$(stacked)" = "Game About " ]' || fail "About was not brought to the front: $(stacked)"
fi
[ "$(xdotool search --onlyvisible --name '^About vexal$' | wc -l)" = 1 ] || fail "two About windows"
asks=$(xprop -id "$about" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE)
[[ $asks != *"WM_TRANSIENT_FOR(WINDOW)"* && $asks == *"= _NET_WM_WINDOW_TYPE_NORMAL" ]] ||
  fail "the About window asks for $asks"
! field_moves || fail "the field moves while the About window is open"
click_in "$game" 104 100
poll eval '[ "$(stacked)" = "About Game " ]' || fail "stacking from the bottom: $(stacked)"
active=$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //; s/,.*//')
[ "$active" = "$(hex "$game")" ] || fail "the active window is $active, not the main window"

xdotool windowactivate --sync "$about" key s Escape
wait_until_gone "About vexal"
field_moves || fail "Esc did not resume the game"
open_about_aside
wmctrl -i -c "$about"
wait_until_gone "About vexal"
! field_moves || fail "closing the About window by its frame resumed the game"

focused() { [ "$(xdotool getwindowfocus)" = "$about" ]; }
unavailable() {
  local message
  message=$(wait_for_window vexal)
  read_label --shows "System Information Is Unavailable At This Time" >/dev/null ||
    fail "the message does not say so"
  xdotool windowactivate --sync "$message" key Return
  wait_until_gone vexal
  poll focused || fail "the About window did not take the focus back: $(xdotool getwindowfocus)"
}
open_about_aside
xdotool key alt+s
unavailable
xdotool key Return
unavailable
wmctrl -i -c "$game"
wait_until_gone Game
poll focused || fail "the focus went to $(xdotool getwindowfocus) with the main window"
xdotool windowactivate "$about" key Escape
wait_for_exit "$app" || fail "the process ended with status $?"
echo "about test passed under ${2:-openbox}"
