# Sourced by the end-to-end tests: a private X server, and on request a window manager and the
# accessibility bus, all ended with the test.

set -euo pipefail

session_dir=$(mktemp -d)
session_pids=()

end_session() {
  local pid
  for pid in "${session_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$session_dir"
}
trap end_session EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Xvfb picks a free display itself and tells which.
start_x() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session_dir/display" 2>/dev/null &
  session_pids+=($!)
  local waited
  for waited in $(seq 100); do
    [ -s "$session_dir/display" ] && break
    sleep 0.1
  done
  [ -s "$session_dir/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$session_dir/display")"
  mkdir -m 700 "$session_dir/runtime"
  export XDG_RUNTIME_DIR="$session_dir/runtime"
}

# openbox unless another window manager is named: openbox, metacity or xfwm4.
start_window_manager() {
  case "${1:-openbox}" in
    xfwm4) xfwm4 --sm-client-disable >/dev/null 2>&1 & ;;
    *) "${1:-openbox}" --sm-disable >/dev/null 2>&1 & ;;
  esac
  session_pids+=($!)
  local waited
  for waited in $(seq 100); do
    wmctrl -m >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "the window manager did not start"
}

start_accessibility_bus() {
  eval "$(dbus-launch --sh-syntax)"
  session_pids+=("$DBUS_SESSION_BUS_PID")
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  session_pids+=($!)
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Prints the id of the visible window with exactly this title, waiting up to 20 seconds.
wait_for_window() {
  local title=$1 id waited
  for waited in $(seq 1000); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.02
  done
  fail "no window titled '$title'"
}

# The client area's size, as WIDTHxHEIGHT.
client_size() {
  xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# Waits up to 20 seconds for a process to end and gives its exit status.
wait_for_exit() {
  local pid=$1 waited
  for waited in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "process $pid did not end"
  local status=0
  wait "$pid" || status=$?
  return "$status"
}

# A checksum of what the screen shows inside a window.
window_picture() {
  import -window "$1" png:- | md5sum | cut -d' ' -f1
}

# Clicks at a point of a window's client area.
click_in() {
  local window=$1 x=$2 y=$3 left top
  left=$(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {print $4}')
  top=$(xwininfo -id "$window" | awk '/Absolute upper-left Y:/ {print $4}')
  xdotool mousemove $((left + x)) $((top + y))
  sleep 0.03
  xdotool click --delay 0 1
}

# True once no visible window has this title, false if one still has it after the seconds.
gone_within() {
  local title=$1 seconds=$2 waited
  for waited in $(seq $((seconds * 50))); do
    xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
    sleep 0.02
  done
  return 1
}

wait_until_gone() {
  gone_within "$1" 10 || fail "the window '$1' is still there"
}

# Resident memory of a process, in KiB.
resident_kib() {
  awk '/^VmRSS:/ {print $2}' "/proc/$1/status"
}

# The x of the first lit pixel on the cannon's bottom row, pixel row 335 of the game window.
cannon_left_edge() {
  import -window "$1" png:- | /usr/bin/python3 -c '
import sys, io
from PIL import Image
shot = Image.open(io.BytesIO(sys.stdin.buffer.read())).convert("RGB")
print(next(x for x in range(shot.width) if shot.getpixel((x, 335)) != (0, 0, 0)))'
}
