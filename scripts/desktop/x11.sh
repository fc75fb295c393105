# Sourced by session.sh: a private X server and its window manager, and what a user does there
# (xdotool's keys and clicks go through the XTEST extension like real ones). A window is an X id.

# Xvfb picks a free display itself and tells which. It does not reset when its last client
# leaves, which would turn away a window manager or program connecting just then; with
# x_server_resets set it does, as a desktop's X server may.
start_x() {
  local keep=-noreset
  [ -z "${x_server_resets:-}" ] || keep=""
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp $keep 3>"$session_dir/display" 2>/dev/null &
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

# The visible window with exactly this title, and how many windows a process shows.
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
window_count() { xdotool search --onlyvisible --pid "$1" | wc -l; }
# The application that the window names (its instance in WM_CLASS), and the window with the focus.
identity() { xprop -id "$1" WM_CLASS | cut -d '"' -f 2; }
focused_window() { xdotool getwindowfocus; }
# The client area's size (WIDTHxHEIGHT), a point of it on the screen, a click and a drag there.
client_size() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
on_screen() {
  xwininfo -id "$1" | awk -v x="$2" -v y="$3" \
    '/Absolute upper-left X:/ {ax=$4} /Absolute upper-left Y:/ {ay=$4} END {print ax + x, ay + y}'
}
click_in() { xdotool mousemove $(on_screen "$@") sleep 0.03 click --delay 0 1; }
drag_in() {
  xdotool mousemove $(on_screen "$1" "$2" "$3") mousedown 1 mousemove $(on_screen "$1" "$4" "$5") mouseup 1
}
# Keys with $delay ms (50 unless set) between them, and no wait after the last.
send_keys() {
  local between=()
  (($# < 2)) || between=(key --delay "${delay:-50}" "${@:1:$#-1}")
  xdotool "${between[@]}" key --delay 0 "${@: -1}"
}
# The client area as a PNG on standard output.
picture() { import -window "$1" png:-; }
close_window() { wmctrl -i -c "$1"; }
activate() { xdotool windowactivate --sync "$1"; }
move_window() { xdotool windowmove --sync "$1" "$2" "$3"; }
# Qt draws a window whole when it is resized.
resize_and_back() { xdotool windowsize --sync "$1" 210 400 windowsize --sync "$1" 208 400; }
