# Sourced by the backends of desktops where the program draws its windows' frames itself (GNOME
# Shell's and KWin): a window as the user sees it, from the backend's list of windows (`windows`:
# each window's id pid focused x y width height (its frame, in the output's pixels) identity, a
# tab and its title) and from the program, which tells over AT-SPI where its client area lies in
# the frame (client_area.py). The pointer is the backend's (`pointer X Y [1 pressed, 0 released]`).
# The window's line with its client area (from x): where it lies in the frame, and the frame's
# buttons, do not change as long as the window lives; they are asked once.
frame_line() { windows | awk -v id="$1" '$1 == id'; }
frame_of() {
  local line=$1 id=${1%% *} title x y width height buttons
  [ -s "$session_dir/frame.$id" ] && return
  title=$(cut -f 2 <<<"$line")
  read -r x y width height buttons < <(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/client_area.py" \
    "$(awk '{print $2}' <<<"$line")" "$title" 2>/dev/null) ||
    fail "no frame drawn by the program around the window '$title'"
  awk -v x="$((x * scale))" -v y="$((y * scale))" -v w="$((width * scale))" -v h="$((height * scale))" \
    -v b="$buttons" '{print x, y, $6 - x - w, $7 - y - h, b}' <<<"$line" >"$session_dir/frame.$id"
}
window_line() {
  local line
  line=$(frame_line "$1")
  frame_of "$line"
  awk -v line="$line" '{split(line, f, " ");
    print f[1], f[2], f[3], f[4] + $1, f[5] + $2, f[6] - $1 - $3, f[7] - $2 - $4, f[8]}' "$session_dir/frame.$1"
}
# The frame's width, in the output's pixels, around a client area this wide (at scale 1).
frame_width_for() { frame_of "$(frame_line "$1")"; awk -v w="$2" -v s="$scale" '{print w * s + $1 + $3}' "$session_dir/frame.$1"; }
frame_buttons() { frame_of "$(frame_line "$1")"; awk '{print $5}' "$session_dir/frame.$1"; }
identity() { frame_line "$1" | cut -f 1 | awk '{print $8}'; }
focused_window() { windows | awk '$3 == 1 {print $1}'; }
client_size() { window_line "$1" | awk '{print $6 "x" $7}'; }
on_screen() { window_line "$1" | awk -v x="$2" -v y="$3" '{print $4 + x, $5 + y}'; }
click_in() { pointer $(on_screen "$@") 1 && pointer $(on_screen "$@") 0; }
# A press on the frame begins the compositor's move or resize once the program has taken it and
# asked for it: the pointer goes on once the compositor says it has begun, in three steps.
drag_in() {
  local origin x y size step
  origin=$(on_screen "$1" 0 0) size=$(client_size "$1")
  x=${origin% *} y=${origin#* }
  pointer $((x + $2)) $((y + $3)) 1
  if (($2 < 0 || $3 < 0 || $2 >= ${size%x*} || $3 >= ${size#*x})); then
    poll in_drag "$1" || fail "no move or resize began at a press on the frame of window $1"
  fi
  for step in 1 2 3; do
    pointer $((x + $2 + ($4 - $2) * step / 3)) $((y + $3 + ($5 - $3) * step / 3))
  done
  pointer $((x + $4)) $((y + $5)) 0
}
