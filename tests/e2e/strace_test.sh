#!/usr/bin/env bash
set -euo pipefail
# A few seconds of play under strace: no file opened for writing outside /dev, /proc and the
# session's runtime folder (which holds the session bus, and a Wayland compositor's socket), and
# no connection but to the display server or into that folder.
# Usage: strace_test.sh PROGRAM [DESKTOP]
program=$1
source "$(dirname "$0")/player.sh"
start_desktop "${2:-}"
trace="$session_dir/trace"

# LeakSanitizer cannot run under ptrace; the other tests look for leaks. In the desktop's frames,
# which the tests here find with no accessibility bus: the program's own open nothing more.
VEXAL_FRAMES=desktop ASAN_OPTIONS=detect_leaks=0 strace -f -qq -e status=successful \
  -e trace=open,openat,openat2,creat,socket,connect -o "$trace" "$program" &
tracer=$!
game=$(wait_for_window Game)
activate "$game"
send_keys 4 4 space 6 space 6 6 space
click_in "$game" 104 384
about=$(wait_for_window "About vexal")
activate "$about"
send_keys Escape
wait_until_gone "About vexal"
sleep 3  # of play
close_window "$game"
wait_for_exit "$tracer" || fail "the program did not end well"

# Writes outside the allowed folders (creat is a write, with no O_ flags to show it), connections
# but to the display server, sockets but local ones. The trace holds at least the display's
# connect.
grep -q '\bconnect(' "$trace" || fail "no trace of the program"
writes='"[^"]*", [^)]*O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)|\bcreat\(|\bconnect\(|\bsocket\('
suspect=$(grep -E "$writes" "$trace")
x_server=$([ -z "${DISPLAY:-}" ] || echo "|sun_path=@?\"/tmp/\.X11-unix/X${DISPLAY#:}\"")
problems=$(grep -vE "\"(/dev/|/proc/|$XDG_RUNTIME_DIR/)$x_server|socket\((AF|PF)_(UNIX|LOCAL)" \
  <<<"$suspect" || true)
[ -z "$problems" ] || fail "$problems"
echo "strace test passed"
