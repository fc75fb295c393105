# Sourced by session.sh: a headless GNOME Shell session (its compositor, mutter) on one
# 1920 x 1080 output at the scale OUTPUT_SCALE (1 unless set), in buses of its own, and what a
# user does and sees there through the shell's D-Bus interfaces: in its unsafe mode, a script of
# ours runs in the shell, lists, moves and closes windows, and types and clicks through virtual
# input devices, which enter the compositor like a real seat's; the shell's screenshot interface
# takes the pictures. A window is mutter's id of it; places and sizes are the output's pixels.
# The program draws its frames itself here (drawn_frames.sh).
scale=${OUTPUT_SCALE:-1}
source "$(dirname "${BASH_SOURCE[0]}")/drawn_frames.sh"
# Runs a script in the shell and gives its value. The shell answers (true, 'value') or, when the
# script threw, (false, 'the error'); an error, or no answer, fails the test.
eval_in_shell() {
  gdbus call --timeout 5 --address "$shell_bus" -d org.gnome.Shell -o /org/gnome/Shell -m org.gnome.Shell.Eval "$1"
}
shell() {
  local answer
  answer=$(eval_in_shell "$1") || fail "GNOME Shell did not answer: $1"
  [[ $answer == "(true, '"* ]] || fail "GNOME Shell could not run a script: $answer"
  sed -E "s/^\(true, '\"?//; s/\"?'\)$//" <<<"$answer"
}
# The shell's login code waits for a system bus: an empty one of the session's own.
start_system_bus() {
  printf '%s\n' '<busconfig><type>system</type><auth>EXTERNAL</auth>' \
    "<listen>unix:path=$session_dir/system_bus</listen>" \
    '<policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*" eavesdrop="true"/>' \
    '<allow eavesdrop="true"/></policy></busconfig>' \
    >"$session_dir/system.conf"
  dbus-daemon --config-file="$session_dir/system.conf" --nofork >/dev/null 2>&1 &
  own $!
  dbus-daemon --session --nofork --address="unix:path=$session_dir/shell_bus" >/dev/null 2>&1 &
  own $!
  shell_bus=unix:path=$session_dir/shell_bus
  poll test -S "$session_dir/system_bus" -a -S "$session_dir/shell_bus" || fail "no buses"
}
# Whether the shell has started, asked for 20 seconds at most.
shell_started() {
  local until=$((SECONDS + 20))
  while ((SECONDS < until)); do
    [ "$(eval_in_shell "Main.layoutManager._startingUp" 2>/dev/null)" != "(true, 'false')" ] || return 0
    sleep 0.1
  done
  return 1
}
# GNOME Shell 43 may hang as it starts: the child that it forks to start the input method
# runs a function of the shell's before the program, and may wait forever there for a lock that
# another thread held at the fork. A shell that has not started is ended and started again.
start_shell() {
  start_system_bus
  local attempt
  for attempt in 1 2 3; do
    DBUS_SESSION_BUS_ADDRESS=$shell_bus DBUS_SYSTEM_BUS_ADDRESS=unix:path=$session_dir/system_bus \
      gnome-shell --unsafe-mode "$@" >"$session_dir/shell.log" 2>&1 &
    own $!
    ! shell_started || return 0
    pkill -KILL -P $! || true
    kill -KILL $!
    wait $! 2>/dev/null || true
  done
  fail "GNOME Shell did not start: $(tail -n 5 "$session_dir/shell.log")"
}
# On X11 the shell is the window manager of the session's X server (see x11.sh, whose functions
# then stand for a window's).
start_gnome_x11() {
  start_shell --x11 --replace
  shell 'Main.overview.hide(); Main.messageTray.bannerBlocked = true' >/dev/null
}
start_gnome() {
  export XDG_RUNTIME_DIR="$session_dir/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset DISPLAY  # its clients, the program among them, are Wayland's alone
  start_shell --headless --wayland --no-x11 --virtual-monitor 1920x1080
  export WAYLAND_DISPLAY=wayland-0
  # Started, it opens its overview, and may show a notice over the windows: neither takes clicks.
  [ "$scale" = 1 ] || gdbus call --address "$shell_bus" -d org.gnome.Mutter.DisplayConfig \
    -o /org/gnome/Mutter/DisplayConfig -m org.gnome.Mutter.DisplayConfig.ApplyMonitorsConfig \
    "$(gdbus call --address "$shell_bus" -d org.gnome.Mutter.DisplayConfig -o /org/gnome/Mutter/DisplayConfig \
      -m org.gnome.Mutter.DisplayConfig.GetCurrentState | sed -E 's/^\(uint32 ([0-9]+),.*/\1/')" 1 \
    "[(0, 0, $scale.0, 0, true, [('Meta-0', '1920x1080@60.000', @a{sv} {})])]" "@a{sv} {}" >/dev/null ||
    fail "no output scale $scale"
  shell 'Main.overview.hide(); Main.messageTray.bannerBlocked = true' >/dev/null
  poll eval '[ "$(shell "Main.overview.visible")" = false ]' || fail "the overview stays"
  shell 'const C = imports.gi.Clutter, seat = C.get_default_backend().get_default_seat();
    global.vexal = {pointer: seat.create_virtual_device(C.InputDeviceType.POINTER_DEVICE),
                    keyboard: seat.create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE)};
    global.vexal.type = (keys) => keys.forEach((key) => {
      const names = {space: 0x20, Return: 0xff0d, Escape: 0xff1b, Tab: 0xff09, alt: 0xffe9};
      const syms = key.split("+").map((name) => names[name] ?? name.codePointAt(0));
      const press = (sym, down) => global.vexal.keyboard.notify_keyval(global.get_current_time() * 1000, sym, down);
      syms.forEach((sym) => press(sym, 1));
      syms.reverse().forEach((sym) => press(sym, 0));
    });
    global.vexal.window = (id) => global.get_window_actors().map((a) => a.meta_window)
      .find((w) => String(w.get_id()) === id);
    global.vexal.grabbed = false;  // mutter 44 and later have no get_grab_op()
    global.display.connect("grab-op-begin", () => { global.vexal.grabbed = true; });
    global.display.connect("grab-op-end", () => { global.vexal.grabbed = false; }); 0' >/dev/null
}

# Each window: id pid focused x y width height (its frame) wm_class, a tab and the title.
windows() {
  shell 'global.get_window_actors().map((a) => a.meta_window).filter((w) => w.get_frame_rect().width > 0)
    .map((w) => { const r = w.get_frame_rect();
    return [w.get_id(), w.get_pid(), Number(w.has_focus()), r.x, r.y, r.width, r.height, w.get_wm_class()]
      .join(" ") + "|" + w.get_title(); }).join(";")' | tr ';|' '\n\t'
}
# What the shell's window tracker shows for a window (mutter's id, or on X11 the X server's): its
# application's entry, name and icon.
dock_identity() {
  shell "const app = imports.gi.Shell.WindowTracker.get_default().get_window_app(
      global.get_window_actors().map((a) => a.meta_window).find((w) => String(w.get_id()) === '$1' ||
        w.get_description() === '0x' + Number('$1').toString(16)));
    [app.get_id(), app.get_name(), app.get_icon()?.to_string()].join(' ')"
}
pointer() { shell "global.vexal.pointer.notify_absolute_motion(global.get_current_time() * 1000, $1, $2);
  ${3:+global.vexal.pointer.notify_button(global.get_current_time() * 1000, 1, $3);} 0" >/dev/null; }
# Keys named as xdotool names them (4, space, Return, alt+s), typed in one go when $delay is 0.
send_keys() {
  local key
  if [ "${delay:-50}" = 0 ]; then
    shell "global.vexal.type([$(printf '"%s",' "$@")])" >/dev/null
    return
  fi
  for key; do
    shell "global.vexal.type([\"$key\"])" >/dev/null
    sleep "$(awk -v ms="${delay:-50}" 'BEGIN {print ms / 1000}')"
  done
}
# The shell takes the area in its interface's units, the output's pixels over its scale: the
# whole units around the window's client area, which is then cut out of their picture.
picture() {
  local x y width height left top
  read -r _ _ _ x y width height _ < <(window_line "$1")
  left=$((x / scale)) top=$((y / scale))
  gdbus call --address "$shell_bus" -d org.gnome.Shell -o /org/gnome/Shell/Screenshot \
    -m org.gnome.Shell.Screenshot.ScreenshotArea "$left" "$top" $(((x + width + scale - 1) / scale - left)) \
    $(((y + height + scale - 1) / scale - top)) false "$session_dir/picture.png" >/dev/null ||
    fail "no picture from GNOME Shell"
  if [ "$scale" = 1 ]; then
    cat "$session_dir/picture.png"
  else
    convert "$session_dir/picture.png" -crop "${width}x$height+$((x - left * scale))+$((y - top * scale))" +repage png:-
  fi
}
# What is done to a window that has gone already is nothing.
window_do() { shell "global.vexal.window('$1')?.$2; 0" >/dev/null; }
# Whether the shell moves or sizes a window at the pointer's hand (it moves one at a time).
in_drag() { [ "$(shell 'global.vexal.grabbed')" = true ]; }
close_window() { window_do "$1" "delete(global.get_current_time())"; }
activate() { window_do "$1" "activate(global.get_current_time())"; }
move_window() { window_do "$1" "move_frame(true, $2, $3)"; }
# Sizes the client area to this width (its height kept), through the frame.
resize_client() {
  local x y height
  read -r _ _ _ x y _ height _ < <(frame_line "$1")
  window_do "$1" "move_resize_frame(true, $x, $y, $(frame_width_for "$1" "$2"), $height)"
}
