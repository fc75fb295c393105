# Sourced by the end-to-end tests: the game on a private desktop (scripts/desktop/session.sh),
# on request the accessibility bus, and what a player does and sees in the game's windows.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/desktop/session.sh"
[ -z "${VEXAL_WINE_PREFIX:-}" ] || use_wine_prefix_like "$VEXAL_WINE_PREFIX"
start_accessibility_bus() {
  eval "$(dbus-launch --sh-syntax)"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  own "$DBUS_SESSION_BUS_PID" $!
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# The text of the label right of the label TEXT, or with --shows TEXT whether a label shows it:
# over AT-SPI as a screen reader reads it, or as the window texts that Windows tools read.
# With --shows, a label not shown is the answer "no"; else no label read fails the test.
read_label() {
  local text
  if [[ $program == *.exe ]]; then
    text=$(WINEDEBUG=-all "$wine" "$VEXAL_READ_LABEL" "$@")
  else
    text=$(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/read_label.py" "$app" "$@")
  fi || { [ "$1" = --shows ] && return 1; fail "no label read: $*"; }
  tr -d '\r' <<<"$text"
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
# A window's frame as the player sees it: no minimize and no maximize. Where the program draws
# it (GNOME Shell, KWin, and openbox, which offers minimize and maximize whatever a window asks),
# its buttons: Close alone. Where an X11 manager draws it, the manager's own list of what its
# frame and keys offer the window: neither, and resizing only for a sizeable window.
# Usage: expect_frame WINDOW sizeable|fixed
# The buttons of a frame that the program draws itself; none where the desktop frames windows.
drawn_buttons() { ! declare -F frame_buttons >/dev/null || frame_buttons "$1"; }
expect_frame() {
  local buttons actions offered=fixed
  buttons=$(drawn_buttons "$1")
  if [ -n "$buttons" ]; then
    [ "$buttons" = Close ] || fail "the frame's buttons are '$buttons'"
  elif [ -z "$wayland" ]; then
    actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_CLOSE* && $actions != *MINIMIZE* && $actions != *MAXIMIZE* ]] ||
      fail "the window manager offers $actions"
    [[ $actions != *_RESIZE* ]] || offered=sizeable
    [ "$offered" = "$2" ] || fail "the window manager offers $actions to a $2 window"
  fi
}
# Qt draws a window whole when it is resized: by two pixels, and back.
resize_and_back() {
  local width
  for width in 210 208; do
    resize_client "$1" "$width"
    poll eval "[ \"\$(client_size $1)\" = $((width * ${OUTPUT_SCALE:-1}))x$((400 * ${OUTPUT_SCALE:-1})) ]" ||
      fail "no resize to $width"
  done
}
# Where the program draws the main window's frame: a drag on its caption takes the window as far
# as the pointer went, and one on its right edge widens the client area as much, give or take the
# edge's width (4 pixels, which a desktop may measure from where the press fell or from the edge).
expect_frame_moves_and_sizes() {
  local window=$1 s=${OUTPUT_SCALE:-1} x y width
  read -r x y < <(on_screen "$window" 0 0)
  drag_in "$window" $((60 * s)) $((-15 * s)) $((120 * s)) $((25 * s))
  poll eval '[ "$(on_screen "$window" 0 0)" = "$((x + 60 * s)) $((y + 40 * s))" ]' ||
    fail "a drag on the caption took the client area to $(on_screen "$window" 0 0), not $((x + 60 * s)) $((y + 40 * s))"
  drag_in "$window" $((210 * s)) $((200 * s)) $((240 * s)) $((200 * s))
  widened() { width=$(client_size "$window"); width=${width%x*}; ((width >= 234 * s && width <= 242 * s)); }
  poll widened || fail "a drag on the right edge by 30 pixels left the client area $(client_size "$window")"
  resize_and_back "$window"
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
