#!/usr/bin/env bash
# The built program in a real X server: one top-level window titled "Game" with a 208 x 400
# client area, sizeable, without maximize and minimize; closing it ends the process with 0.
# The toolkit's own options on the command line change none of it: the game takes none.
program=$1
source "$(dirname "$0")/x_session.sh"

start_x
start_window_manager

"$program" -qwindowtitle X -qwindowgeometry 50x50 -stylesheet /nonexistent &
app=$!
window=$(wait_for_window Game)

[ "$(client_size "$window")" = 208x400 ] || fail "client area is $(client_size "$window")"
title=$(xprop -id "$window" _NET_WM_NAME)
[ "$title" = '_NET_WM_NAME(UTF8_STRING) = "Game"' ] || fail "title bar says $title"
[ "$(xdotool search --onlyvisible --pid "$app" | wc -l)" -eq 1 ] || fail "more than one window"

# What the program asks of any window manager (openbox itself keeps its buttons regardless):
# Motif functions resize, move and close, but neither minimize (0x8) nor maximize (0x10).
hints=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
functions=$(echo "$hints" | cut -d, -f2)
(( (functions & 0x2) && !(functions & 0x8) && !(functions & 0x10) )) ||
  fail "window functions $functions in Motif hints $hints"

wmctrl -i -c "$window"
status=0
wait_for_exit "$app" || status=$?
[ "$status" -eq 0 ] || fail "closing the window ended the process with status $status"
echo "window test passed"
