#!/usr/bin/env bash
# The About window is an independent top-level window under any window manager: a click on the
# main window brings the main window in front of it and activates it, and both stay open.
# Usage: stacking_test.sh PROGRAM [WINDOW_MANAGER]
program=$1
source "$(dirname "$0")/x_session.sh"

start_x
start_window_manager "${2:-openbox}"

"$program" &
session_pids+=($!)
game=$(wait_for_window Game)
xdotool windowmove --sync "$game" 0 0
click_in "$game" 104 384
about=$(wait_for_window "About vexal")
xdotool windowmove --sync "$about" 400 100
sleep 0.5

asks=$(xprop -id "$about" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE)
[[ $asks != *"WM_TRANSIENT_FOR(WINDOW)"* && $asks == *_NET_WM_WINDOW_TYPE_NORMAL* ]] ||
  fail "the About window asks for $asks"

click_in "$game" 104 100
sleep 0.5
hex() { printf '0x%x' "$1"; }
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
order=$(echo " $stacking " | sed "s/ $(hex "$game") / Game /; s/ $(hex "$about") / About /")
[[ $order =~ About.*Game ]] || fail "stacking from the bottom: $order"
active=$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //; s/,.*//')
[ "$active" = "$(hex "$game")" ] || fail "the active window is $active, not the main window"
wait_for_window "About vexal" >/dev/null
echo "stacking test passed under ${2:-openbox}"
