#!/usr/bin/env bash
# A few seconds of play under strace: no file opened for writing outside /dev, /proc and the
# toolkit's runtime folder, and no connection but the one to the X server.
program=$1
source "$(dirname "$0")/x_session.sh"
start_x
start_window_manager
trace="$session_dir/trace"

# LeakSanitizer cannot run under ptrace; the other tests look for leaks.
ASAN_OPTIONS=detect_leaks=0 strace -f -qq -e status=successful \
  -e trace=open,openat,openat2,creat,socket,connect -o "$trace" "$program" &
tracer=$!
game=$(wait_for_window Game)
xdotool windowactivate --sync "$game" key --delay 50 4 4 space 6 space 6 6 space
click_in "$game" 104 384
about=$(wait_for_window "About vexal")
xdotool windowactivate --sync "$about" key Escape
wait_until_gone "About vexal"
sleep 3  # of play
wmctrl -i -c "$game"
wait_for_exit "$tracer" || fail "the program did not end well"

# Writes outside the allowed folders (creat is a write, with no O_ flags to show it), connections
# but to the X server, sockets but local ones. The trace holds at least the X server's connect.
grep -q '\bconnect(' "$trace" || fail "no trace of the program"
writes='"[^"]*", [^)]*O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)|\bcreat\(|\bconnect\(|\bsocket\('
suspect=$(grep -E "$writes" "$trace")
problems=$(grep -vE "\"(/dev/|/proc/|$XDG_RUNTIME_DIR/)|sun_path=@?\"/tmp/\.X11-unix/X${DISPLAY#:}\"|socket\((AF|PF)_(UNIX|LOCAL)" \
  <<<"$suspect" || true)
[ -z "$problems" ] || fail "$problems"
echo "strace test passed"
