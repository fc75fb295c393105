# Sourced by session.sh: a private X server and its window manager, and what a user does there
# (xdotool's keys and clicks go through the XTEST extension like real ones). A window is an X id.

# Xvfb picks a free display itself and tells which. It does not reset when its last client
# leaves, which would turn away a window manager or program connecting just then; with
# x_server_resets set it does, as a desktop's X server may.
start_x() {
  local keep=-noreset
  [ -z "${x_server_resets:-}" ] || keep=""
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp $keep 3>"$session_dir/display" 2>/dev/null &
  own $!
  poll test -s "$session_dir/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$session_dir/display")" XDG_RUNTIME_DIR="$session_dir/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}
# openbox, or the window manager named: metacity or xfwm4.
# A server that resets when its last client leaves would turn the manager away should it connect
# just as one of the polls below leaves: a client of the session holds the server meanwhile.
start_window_manager() {
  local wm=${1:-openbox} holder
  xprop -root -spy >/dev/null 2>&1 &
  holder=$!
  own "$holder"
  poll eval 'xprop -root >/dev/null 2>&1' || fail "the X server does not answer"
  "$wm" "$([ "$wm" = xfwm4 ] && echo --sm-client-disable || echo --sm-disable)" >/dev/null 2>&1 &
  own $!
  poll wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"
  kill "$holder"
}

# The windows that the manager shows, a line each: id pid, a tab and the title. A listing fails
# when a window goes while it is read: it is read again.
windows() {
  local list id pid title
  read_list() { list=$(wmctrl -lp 2>/dev/null); }
  tries=10 poll read_list || fail "no list of windows from the window manager"
  while read -r id _ pid _ title; do
    [ -z "$id" ] || printf '%d %s\t%s\n' "$id" "$pid" "$title"
  done <<<"$list"
}
# The application that the window names (its instance in WM_CLASS), and the window with the focus.
identity() { xprop -id "$1" WM_CLASS | cut -d '"' -f 2; }
focused_window() { xdotool getwindowfocus || fail "no window with the focus"; }
# Where the program draws a window's frame itself (the manager draws none: its frame extents are
# all 0), the client area's margins in it (left top right bottom) and the frame's buttons, as a
# screen reader finds them over AT-SPI (client_area.py, in screen coordinates on X11); where the
# manager frames it, nothing. Asked once a window: they do not change while it lives.
window_box() { { xwininfo -id "$1" || fail "no window $1"; } | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'; }
own_frame() {
  local file=$session_dir/frame.$1 extents x y width height buttons
  if [ ! -e "$file" ]; then
    poll eval "xprop -id $1 _NET_FRAME_EXTENTS | grep -q ' = '" || fail "no frame extents on window $1"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS)
    if [ "${extents#* = }" = "0, 0, 0, 0" ]; then
      read -r x y width height buttons < <(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/client_area.py" --screen \
        "$(xdotool getwindowpid "$1")" "$(xdotool getwindowname "$1")" 2>/dev/null) ||
        fail "the manager draws no frame around window $1, nor does the program"
      window_box "$1" | awk -v x="$x" -v y="$y" -v w="$width" -v h="$height" -v b="$buttons" \
        '{print x - $1, y - $2, $1 + $3 - x - w, $2 + $4 - y - h, b}' >"$file"
    else
      : >"$file"
    fi
  fi
  cat "$file"
}
frame_buttons() { own_frame "$1" | awk '{print $5}'; }
# The client area: its place on the screen and its size (x y width height).
# Sets the caller's left, top, right and bottom: the client area's margins in its window, 0 where
# the manager frames it.
read_margins() {
  own_frame "$1" >/dev/null
  read -r left top right bottom _ <"$session_dir/frame.$1" || true
  left=${left:-0} top=${top:-0} right=${right:-0} bottom=${bottom:-0}
}
client_box() {
  local left top right bottom
  read_margins "$1"
  window_box "$1" | awk -v l="$left" -v t="$top" -v r="$right" -v b="$bottom" \
    '{print $1 + l, $2 + t, $3 - l - r, $4 - t - b}'
}
# The client area's size (WIDTHxHEIGHT), a point of it on the screen, a click and a drag there.
client_size() { client_box "$1" | awk '{print $3 "x" $4}'; }
on_screen() { client_box "$1" | awk -v x="$2" -v y="$3" '{print $1 + x, $2 + y}'; }
click_in() { xdotool mousemove $(on_screen "$@") sleep 0.03 click --delay 0 1 || fail "no click in window $1"; }
# The manager moves or sizes a window by its frame once it has taken the press: steps apart.
drag_in() {
  xdotool mousemove $(on_screen "$1" "$2" "$3") mousedown 1 sleep 0.2 \
    mousemove $(on_screen "$1" "$4" "$5") sleep 0.2 mouseup 1 || fail "no drag in window $1"
}
# Keys with $delay ms (50 unless set) between them, and no wait after the last.
send_keys() {
  local between=()
  (($# < 2)) || between=(key --delay "${delay:-50}" "${@:1:$#-1}")
  xdotool "${between[@]}" key --delay 0 "${@: -1}" || fail "no keys: $*"
}
# The client area as a PNG on standard output.
picture() {
  local left top right bottom
  read_margins "$1"
  import -window "$1" -crop "$(client_size "$1")+$left+$top" +repage png:- ||
    fail "no picture of window $1"
}
close_window() { wmctrl -i -c "$1" || fail "could not close window $1"; }
activate() { xdotool windowactivate --sync "$1" || fail "could not activate window $1"; }
move_window() { xdotool windowmove --sync "$1" "$2" "$3" || fail "could not move window $1"; }
# Sizes the client area to this width (its height kept), through its frame where the program
# draws it.
resize_client() {
  local left top right bottom
  read_margins "$1"
  xdotool windowsize --sync "$1" $(($2 + left + right)) \
    "$(window_box "$1" | awk '{print $4}')" || fail "could not size window $1"
}
