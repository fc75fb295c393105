# Sourced by session.sh: a headless KWin session (KDE Plasma's compositor) on one 1920 x 1080
# output at the scale OUTPUT_SCALE (1 unless set), in a session bus of its own, and what a user
# does and sees there: scripts of ours run in KWin and list, move and close windows (what they
# print reaches KWin's log); keys and the pointer enter through KWin's fake input protocol, whose
# client (fake_input.c) is built here from the protocol's description; KWin's screenshot
# interface takes the pictures (kwin_picture.py). A window is KWin's id of it; places and sizes
# are the output's pixels. The program draws its frames itself here (drawn_frames.sh).
scale=${OUTPUT_SCALE:-1}
source "$(dirname "${BASH_SOURCE[0]}")/drawn_frames.sh"
kwin() { dbus-send --bus="$kwin_bus" --print-reply=literal --dest=org.kde.KWin "$@" || fail "KWin did not answer: $*"; }
# Runs a script in KWin and gives what it printed.
kwin_script() {
  local file mark
  file=$(mktemp "$session_dir/script.XXXXXX")
  mark=${file##*.}
  # KWin 6 names the windows' list and the active window as its own, KWin 5 as clients.
  printf 'print("begin %s");\n%s\n%s\n%s\nprint("end %s");\n' "$mark" \
    'const windowList = () => (workspace.windowList ?? workspace.clientList).call(workspace);' \
    "const activate = (w) => { workspace['activeWindow' in workspace ? 'activeWindow' : 'activeClient'] = w; };" \
    "$1" "$mark" >"$file"
  kwin /Scripting org.kde.kwin.Scripting.loadScript "string:$file" "string:$mark" >/dev/null
  kwin /Scripting org.kde.kwin.Scripting.start >/dev/null
  poll grep -qx "js: end $mark" "$session_dir/kwin.log" || fail "KWin ran no script: $1"
  kwin /Scripting org.kde.kwin.Scripting.unloadScript "string:$mark" >/dev/null
  awk -v mark="$mark" '$0 == "js: end " mark {exit} on {print substr($0, 5)} $0 == "js: begin " mark {on = 1}' \
    "$session_dir/kwin.log"
}
# KWin runs from a copy, which drops the file capability (raising its resource limits) that the
# program carries and that a container may refuse. Its files are the session's.
start_kde() {
  export XDG_RUNTIME_DIR="$session_dir/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR" "$session_dir/kwin"
  unset DISPLAY  # its clients, the program among them, are Wayland's alone
  dbus-daemon --session --nofork --address="unix:path=$session_dir/kwin_bus" >/dev/null 2>&1 &
  own $!
  kwin_bus=unix:path=$session_dir/kwin_bus
  poll test -S "$session_dir/kwin_bus" || fail "no bus"
  cp /usr/bin/kwin_wayland "$session_dir/kwin/"
  HOME="$session_dir/kwin" XDG_CONFIG_HOME="$session_dir/kwin" DBUS_SESSION_BUS_ADDRESS=$kwin_bus \
    KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 \
    "$session_dir/kwin/kwin_wayland" --virtual --width $((1920 / scale)) --height $((1080 / scale)) \
    --scale "$scale" --socket wayland-0 --no-lockscreen --no-global-shortcuts --no-kactivities \
    >"$session_dir/kwin.log" 2>&1 &
  own $!
  export WAYLAND_DISPLAY=wayland-0
  poll eval 'dbus-send --bus="$kwin_bus" --print-reply --dest=org.kde.KWin /KWin org.kde.KWin.currentDesktop >/dev/null 2>&1' ||
    fail "KWin did not start: $(tail -n 5 "$session_dir/kwin.log")"
  local protocol=/usr/share/plasma-wayland-protocols/fake-input.xml
  wayland-scanner client-header "$protocol" "$session_dir/fake-input-client-protocol.h"
  wayland-scanner private-code "$protocol" "$session_dir/fake-input-protocol.c"
  cc -o "$session_dir/fake_input" -I"$session_dir" "$(dirname "${BASH_SOURCE[0]}")/fake_input.c" \
    "$session_dir/fake-input-protocol.c" -lwayland-client || fail "no fake input client"
  mkfifo "$session_dir/input" "$session_dir/input_done"
  "$session_dir/fake_input" <"$session_dir/input" >"$session_dir/input_done" &
  own $!
  exec {input}>"$session_dir/input" {input_done}<"$session_dir/input_done"
  # KWin gives its seat a pointer with the fake device's first motion; a program that binds the
  # pointer only then misses the press that came with it. The seat has one before any program.
  fake_input move 0 0
}
# Steps of the pointer and keyboard (fake_input.c), done once they reached the compositor.
fake_input() {
  local answer
  echo "$*" >&"$input"
  read -r answer <&"$input_done" && [ "$answer" = done ] || fail "no input: $*"
}
# A window found by its id, in a script.
find_window() { echo "const w = windowList().find((w) => w.internalId.toString() === '$1');"; }

# Each window: id pid focused x y width height (its frame) desktop entry, a tab and the title.
windows() {
  kwin_script "windowList().forEach((w) => { const r = w.frameGeometry;
    print([w.internalId, w.pid, Number(w.active), r.x * $scale, r.y * $scale, r.width * $scale,
      r.height * $scale, w.desktopFileName].join(' ') + '\t' + w.caption); });"
}
# KWin gives the pointer's window the button only once it has taken the motion: steps apart.
pointer() {
  fake_input move "$(awk -v x="$1" -v s="$scale" 'BEGIN {print x / s}')" \
    "$(awk -v y="$2" -v s="$scale" 'BEGIN {print y / s}')"
  [ -z "${3:-}" ] || fake_input "$([ "$3" = 1 ] && echo press || echo release)"
}
# Keys named as xdotool names them (4, space, Return, alt+s).
send_keys() { fake_input keys "${delay:-50}" "$@"; }
picture() {
  local area
  area=$(window_line "$1" | awk -v s="$scale" '{print $4 / s, $5 / s, $6 / s, $7 / s}')
  DBUS_SESSION_BUS_ADDRESS=$kwin_bus /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/kwin_picture.py" $area ||
    fail "no picture from KWin"
}
# What is done to a window that has gone already is nothing.
window_do() { kwin_script "$(find_window "$1") if (w) { $2; }" >/dev/null; }
# Whether KWin moves or sizes the window at the pointer's hand.
in_drag() { [ "$(kwin_script "$(find_window "$1") print(Boolean(w && (w.move || w.resize)));")" = true ]; }
close_window() { window_do "$1" "w.closeWindow()"; }
activate() { window_do "$1" "activate(w)"; }
move_window() {
  window_do "$1" "w.frameGeometry = {x: $2 / $scale, y: $3 / $scale, width: w.frameGeometry.width,
    height: w.frameGeometry.height}"
}
# Sizes the client area to this width (its height kept), through the frame.
resize_client() {
  window_do "$1" "const r = w.frameGeometry;
    w.frameGeometry = {x: r.x, y: r.y, width: $(frame_width_for "$1" "$2") / $scale, height: r.height}"
}
