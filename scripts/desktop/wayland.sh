# Sourced by session.sh: a headless sway session at the output scale OUTPUT_SCALE (1 unless
# set), and what a user does there through its VNC server, whose keys and pointer enter the
# compositor like a real seat's. A window is sway's container id. sway refuses to run as root:
# as root, sway alone runs as nobody, in a runtime folder of nobody's, which root's clients
# reach all the same.
seat() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/wayland_seat.py" "$@" || fail "the seat could not: $*"; }
sway_do() { swaymsg "$@" >/dev/null || fail "sway could not: $*"; }
scale=${OUTPUT_SCALE:-1}
start_sway() {
  local as_user=()
  export XDG_RUNTIME_DIR="$session_dir/runtime" SWAYSOCK="$session_dir/runtime/sway.sock"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  if [ "$(id -u)" = 0 ]; then
    chmod o+x "$session_dir"
    chown nobody:nogroup "$XDG_RUNTIME_DIR"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/nonexistent)
  fi
  unset DISPLAY  # its clients, the program among them, are Wayland's alone
  printf '%s\n' "output HEADLESS-1 resolution 1920x1080 position 0 0 scale $scale" \
    'for_window [title=".*"] floating enable' 'default_border none' 'default_floating_border none' \
    >"$XDG_RUNTIME_DIR/sway.conf"
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${as_user[@]}" sway -c "$XDG_RUNTIME_DIR/sway.conf" >/dev/null 2>&1 &
  own $!
  poll swaymsg -t get_version >/dev/null 2>&1 || fail "sway did not start"
  WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-? | head -n 1)")
  export WAYLAND_DISPLAY
  wayvnc -u "$session_dir/vnc" >/dev/null 2>&1 &
  own $!
  poll test -S "$session_dir/vnc" || fail "wayvnc did not start"
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/wayland_seat.py" "$session_dir/vnc" serve "$session_dir/seat" &
  own $!
  poll test -S "$session_dir/seat" || fail "the seat did not start"
}

# sway's windows, a line each: id pid focused x y width height (logical pixels) app_id, a tab and
# the title.
windows() { seat windows; }
window_line() { windows | awk -v id="$1" '$1 == id'; }
identity() { window_line "$1" | awk '{print $8}'; }
focused_window() { windows | awk '$3 == 1 {print $1}'; }
client_size() { window_line "$1" | awk -v s="$scale" '{print $6 * s "x" $7 * s}'; }
on_screen() { window_line "$1" | awk -v s="$scale" -v x="$2" -v y="$3" '{print $4 * s + x, $5 * s + y}'; }
click_in() { seat "$session_dir/seat" click $(on_screen "$@"); }
drag_in() {
  seat "$session_dir/seat" press $(on_screen "$1" "$2" "$3")
  seat "$session_dir/seat" release $(on_screen "$1" "$4" "$5")
}
send_keys() { seat "$session_dir/seat" keys "${delay:-50}" "$@"; }
picture() { grim -g "$(window_line "$1" | awk '{print $4 "," $5, $6 "x" $7}')" - || fail "no picture of window $1"; }
close_window() { sway_do "[con_id=$1] kill"; }
activate() { sway_do "[con_id=$1] focus"; }
move_window() { sway_do "[con_id=$1] move position $2 $3"; }
# Each size once the window has taken the one before.
resize_client() { sway_do "[con_id=$1] resize set $2 400"; }
