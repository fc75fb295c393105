# Sourced by the end-to-end tests: a private X server, and on request a window manager and the
# accessibility bus, all ended with the test.
set -euo pipefail
session_dir=$(mktemp -d)
session_pids=()
app=""
fail() { echo "FAIL: $*" >&2 && exit 1; }
# Runs a command every 20 ms until it succeeds, for up to 20 seconds (or $tries times).
poll() { for _ in $(seq "${tries:-1000}"); do "$@" && return 0 || sleep 0.02; done; return 1; }
# The session ends with the test; a process that does not end within five seconds of being
# asked to is killed, and fails the test.
session_alive() { for pid in "${session_pids[@]}" $app; do kill -0 "$pid" 2>/dev/null && return; done; false; }
end_session() {
  local status=$?
  kill "${session_pids[@]}" $app 2>/dev/null || true
  tries=250 poll eval '! session_alive' ||
    { kill -KILL "${session_pids[@]}" $app; echo "FAIL: a process outlived its session" >&2; status=1; }
  rm -rf "$session_dir"
  exit "$status"
}
trap end_session EXIT

# Xvfb picks a free display itself and tells which. It must not reset when its last client
# leaves: a window manager or program connecting just then would be turned away.
start_x() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$session_dir/display" 2>/dev/null &
  session_pids+=($!)
  poll test -s "$session_dir/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$session_dir/display")" XDG_RUNTIME_DIR="$session_dir/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}
# openbox, or the window manager named: metacity or xfwm4.
start_window_manager() {
  local wm=${1:-openbox}
  "$wm" "$([ "$wm" = xfwm4 ] && echo --sm-client-disable || echo --sm-disable)" >/dev/null 2>&1 &
  session_pids+=($!)
  poll wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"
}
start_accessibility_bus() {
  eval "$(dbus-launch --sh-syntax)"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  session_pids+=("$DBUS_SESSION_BUS_PID" $!)
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Starts the program under test in the background, its process in $app: the Linux program, or
# the Windows program under Wine in the prefix that WINEPREFIX names.
wine=/usr/lib/wine/wine64
start_program() {
  if [[ $1 == *.exe ]]; then
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" "$@" &
  else
    "$@" &
  fi
  app=$!
}
# The text of the label right of the label TEXT, or with --shows TEXT whether a label shows it:
# over AT-SPI as a screen reader reads it, or as the window texts that Windows tools read.
read_label() {
  if [[ $program == *.exe ]]; then
    WINEDEBUG=-all "$wine" "$VEXAL_READ_LABEL" "$@" | tr -d '\r'
  else
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/read_label.py" "$app" "$@"
  fi
}

# The id of the visible window with exactly this title; waiting for one, or for none.
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
wait_for_window() { poll shown "$1" || fail "no window titled '$1'"; }
wait_until_gone() { poll eval "! shown '$1' >/dev/null" || fail "the window '$1' is still there"; }
# Waits for a process to end and gives its exit status.
wait_for_exit() { poll eval "! kill -0 $1 2>/dev/null" || fail "process $1 did not end"; wait "$1"; }
# The client area's size (WIDTHxHEIGHT), a point of it on the screen, and a click there.
client_size() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
on_screen() {
  xwininfo -id "$1" | awk -v x="$2" -v y="$3" \
    '/Absolute upper-left X:/ {ax=$4} /Absolute upper-left Y:/ {ay=$4} END {print ax + x, ay + y}'
}
click_in() { xdotool mousemove $(on_screen "$@") sleep 0.03 click --delay 0 1; }
# Clicks the About caption of the game window $game and sets $about to the About window. A click
# that comes while Wine still takes a closed window away may be lost: it is repeated. The place
# follows the window's scale (its client area is 208 x 400 at 96 dots per inch).
open_about() {
  local size
  size=$(client_size "$game")
  for _ in 1 2 3; do
    click_in "$game" $((104 * ${size%x*} / 208)) $((384 * ${size#*x} / 400))
    about=$(tries=25 poll shown "About vexal") && return 0
  done
  fail "no About window"
}
# The colour name of a pixel of a window's client area, as ImageMagick names it.
pixel_colour() { import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/.* \([a-z]*\)$/\1/p'; }
# Where the cannon stands, in twips: where it starts, then where the keys sent by press_keys
# (with $delay ms between them) put it. A "4" or "6" moves it 100 twips, unless that brings it
# to a limit (0 or 2590).
cannon=1080
press_keys() {
  xdotool key --delay "${delay:-50}" "$@"
  local key
  for key; do
    if [ "$key" = 4 ] && ((cannon - 100 > 0)); then cannon=$((cannon - 100)); fi
    if [ "$key" = 6 ] && ((cannon + 100 < 2590)); then cannon=$((cannon + 100)); fi
  done
}
# The x of the first lit pixel on the cannon's bottom row, in the game window's pixels at 96
# dots per inch: pixel row 335 at that scale.
cannon_left_edge() {
  import -window "$game" png:- | /usr/bin/python3 -c 'import io, sys; from PIL import Image
shot = Image.open(io.BytesIO(sys.stdin.buffer.read())).convert("RGB")
scale = shot.width // 208
print(next(x for x in range(shot.width) if shot.getpixel((x, 335 * scale)) != (0, 0, 0)) // scale)'
}
# Waits until the game window shows the cannon where the keys put it (its twips to the pixel).
expect_cannon() {
  cannon_shown() { local edge; edge=$(cannon_left_edge); ((edge == cannon / 15 || edge == cannon / 15 + 1)); }
  tries=100 poll cannon_shown || fail "the cannon's edge is on $(cannon_left_edge), not at $cannon twips"
}
# With the game paused by its About window, the cannon moved and a shot fired, the game window
# must show what it shows once drawn whole again: a repaint that missed a place leaves a trail.
# Qt draws a window whole when it is resized; under Wine the test has Windows repaint it.
expect_drawn_whole() {
  xdotool windowmove --sync "$about" 700 0 windowactivate --sync "$game"
  # Away from the limits, so that the keys move the cannon whatever its place.
  if ((cannon < 1300)); then press_keys 6 6 4 space; else press_keys 4 4 6 space; fi
  expect_cannon
  import -window "$game" "$session_dir/before.png"
  if [[ $program == *.exe ]]; then
    WINEDEBUG=-all "$wine" "$VEXAL_READ_LABEL" --repaint Game || fail "no window to repaint"
  else
    xdotool windowsize --sync "$game" 210 400 windowsize --sync "$game" 208 400
  fi
  same() {
    import -window "$game" "$session_dir/after.png"
    [ "$(compare -metric AE "$session_dir/before.png" "$session_dir/after.png" null: 2>&1)" = 0 ]
  }
  tries=100 poll same || fail "a repaint left a trail: $(compare -metric AE \
    "$session_dir/before.png" "$session_dir/after.png" null: 2>&1) pixels differ"
}
