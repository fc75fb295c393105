# Sourced by the end-to-end tests: the game on a private desktop (scripts/desktop/session.sh),
# on request the accessibility bus, and what a player does and sees in the game's windows.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/desktop/session.sh"
[ -z "${VEXAL_WINE_PREFIX:-}" ] || use_wine_prefix_like "$VEXAL_WINE_PREFIX"
start_accessibility_bus() {
  eval "$(dbus-launch --sh-syntax)"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  session_pids+=("$DBUS_SESSION_BUS_PID" $!)
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
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

# Clicks the About caption of the game window $game and sets $about to the About window. A click
# that comes while Wine still takes a closed window away may be lost: it is repeated. The place
# follows the window's scale (its client area is 208 x 400 at 96 dots per inch).
open_about() {
  local size
  size=$(client_size "$game")
  for _ in 1 2 3; do
    click_in "$game" $((104 * ${size%x*} / 208)) $((384 * ${size#*x} / 400))
    about=$(tries=50 poll shown "About vexal") && return 0
  done
  fail "no About window"
}
# What the tests read off a picture of a window's client area, as they do in every program.
check_picture() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/picture_check.py" "$@"; }
# The colour name of a pixel of a window's client area.
pixel_colour() { picture "$1" | check_picture colour "$2" "$3"; }
# Where the cannon stands, in twips: where it starts, then where the keys sent by press_keys
# (with $delay ms between them) put it. A "4" or "6" moves it 100 twips, unless that brings it
# to a limit (0 or 2590).
cannon=1080
press_keys() {
  send_keys "$@"
  local key
  for key; do
    if [ "$key" = 4 ] && ((cannon - 100 > 0)); then cannon=$((cannon - 100)); fi
    if [ "$key" = 6 ] && ((cannon + 100 < 2590)); then cannon=$((cannon + 100)); fi
  done
}
# The x of the cannon's left edge on its bottom row, in the game window's pixels at 96
# dots per inch: pixel row 335 at that scale.
cannon_left_edge() { picture "$game" | check_picture cannon-edge; }
# Waits until the game window shows the cannon where the keys put it (its twips to the pixel).
expect_cannon() {
  cannon_shown() { local edge; edge=$(cannon_left_edge); ((edge == cannon / 15 || edge == cannon / 15 + 1)); }
  tries=100 poll cannon_shown || fail "the cannon's edge is on $(cannon_left_edge), not at $cannon twips"
}
# With the game paused by its About window, the cannon moved and a shot fired, the game window
# must show what it shows once drawn whole again: a repaint that missed a place leaves a trail.
# Qt draws a window whole when it is resized; under Wine the test has Windows repaint it.
expect_drawn_whole() {
  move_window "$about" 700 0
  activate "$game"
  # Away from the limits, so that the keys move the cannon whatever its place.
  if ((cannon < 1300)); then press_keys 6 6 4 space; else press_keys 4 4 6 space; fi
  expect_cannon
  picture "$game" >"$session_dir/before.png"
  if [[ $program == *.exe ]]; then
    WINEDEBUG=-all "$wine" "$VEXAL_READ_LABEL" --repaint Game || fail "no window to repaint"
  else
    resize_and_back "$game"
  fi
  same() {
    picture "$game" >"$session_dir/after.png"
    [ "$(compare -metric AE "$session_dir/before.png" "$session_dir/after.png" null: 2>&1)" = 0 ]
  }
  tries=100 poll same || fail "a repaint left a trail: $(compare -metric AE \
    "$session_dir/before.png" "$session_dir/after.png" null: 2>&1) pixels differ"
}
# A window's frame without minimize and maximize. On X11, the Motif functions asked: those given
# (0x2, resize, or none), neither minimize (0x8) nor maximize (0x10), as openbox keeps its buttons
# regardless (a fixed size is asked by the size hints). Where the program draws the frame, its
# buttons: Close alone.
expect_frame() {
  if [ -z "$wayland" ]; then
    local functions
    functions=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //' | cut -d, -f2)
    (( (functions & 0x18) == 0 && (functions & $2) == $2 )) || fail "Motif window functions $functions"
  elif declare -F frame_buttons >/dev/null; then
    [ "$(frame_buttons "$1")" = Close ] || fail "the frame's buttons are '$(frame_buttons "$1")'"
  fi
}
# The game window as it starts at the given scale: its client area 208 x 400 times the scale,
# the cannon the reviewed picture's in whole blocks of scale x scale pixels. Polled: the window
# may show before it is first painted.
expect_game_window() {
  local scale=$1 golden
  golden="$(dirname "${BASH_SOURCE[0]}")/../widget/golden/start.png"
  [ "$(client_size "$game")" = "$((208 * scale))x$((400 * scale))" ] || fail "client area is $(client_size "$game")"
  cannon_in_blocks() { picture "$game" | check_picture in-blocks "$golden"; }
  tries=100 poll cannon_in_blocks || fail "the cannon at scale $scale is not the picture in whole blocks"
}
