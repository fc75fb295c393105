#!/usr/bin/env bash
# A few seconds of play under strace: no file opened for writing outside /dev, /proc and the
# toolkit's runtime folder, and no socket but the connection to the X server.
program=$1
source "$(dirname "$0")/x_session.sh"

start_x
start_window_manager
trace="$session_dir/trace"

# LeakSanitizer cannot run under ptrace; the other tests look for leaks.
ASAN_OPTIONS=detect_leaks=0 strace -f -qq -e trace=open,openat,openat2,creat,socket,connect -o "$trace" "$program" &
tracer=$!
session_pids+=("$tracer")
game=$(wait_for_window Game)
xdotool windowactivate --sync "$game"
xdotool key --delay 50 4 4 space 6 space 6 6 space
click_in "$game" 104 384
about=$(wait_for_window "About vexal")
xdotool key Escape
sleep 3
wmctrl -i -c "$game"
wait_for_exit "$tracer" || fail "the program did not end well"

/usr/bin/python3 "$(dirname "$0")/check_trace.py" "$trace" "$XDG_RUNTIME_DIR" "${DISPLAY#:}"
