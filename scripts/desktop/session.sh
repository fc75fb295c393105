# Sourced by scripts that need a desktop of their own: a private desktop (an X server and its
# window manager, or a Wayland compositor), the program started there, and what a user does
# and sees there (see x11.sh and wayland.sh), all ended with the script.
set -euo pipefail
shopt -s inherit_errexit
session_dir=$(mktemp -d)
app=""
# A tool that cannot do what it is asked fails the test, wherever it is called from: a command
# substitution or a pipeline ends only its own subshell, so the test's shell is told, and ends as
# soon as the command it waits for does; the polls of the subshells between end at their next
# try. Every primitive of the drivers checks its tools.
trap 'exit 1' USR1
# A command whose failure ends the test (set -e) says which it was: in the test's own shell, where
# a subshell's failure shows as the command that ran it.
set -E
trap 'ended=$?; [ "$BASHPID" != $$ ] ||
  echo "FAIL: \"$BASH_COMMAND\" ended with status $ended (${BASH_SOURCE[0]-}, line $LINENO)" >&2' ERR
# Ended from outside (a time-out, Ctrl+C), it still ends its session.
trap 'exit 1' TERM INT
fail() { echo "FAIL: $*" >&2; : >"$session_dir/failed"; kill -USR1 $$; exit 1; }
failed() { [ ! -e "$session_dir/failed" ] || exit 1; }
# Runs a command every 20 ms until it succeeds, for up to 20 seconds (or $tries times). The count
# is this call's alone: the polls inside the command have their own.
poll() {
  local count=${tries:-1000} tries=
  for _ in $(seq "$count"); do failed; "$@" && return 0 || sleep 0.02; done
  return 1
}
# Runs a command every 20 ms for a second (or $tries times): it must succeed every time. What
# must not happen is given the time to happen late.
stays() {
  local count=${tries:-50} tries=
  for _ in $(seq "$count"); do failed; "$@" || return 1; sleep 0.02; done
}
# The processes the session started, each by its number and its start time: a number that the
# machine has given to another process since is not the session's, and is left alone.
session_pids=()
start_time() { awk '{sub(/.*\) /, ""); print $20}' "/proc/$1/stat" 2>/dev/null || true; }
own() { local pid; for pid; do session_pids+=("$pid:$(start_time "$pid")"); done; }
session_processes() {
  local entry
  for entry in "${session_pids[@]}"; do
    [ -z "${entry#*:}" ] || [ "$(start_time "${entry%%:*}")" != "${entry#*:}" ] || echo "${entry%%:*}"
  done
}
# The session ends with the script; a process that does not end within five seconds of being
# asked to is killed, and fails the script.
private_prefix=""
end_session() {
  local status=$?
  trap - USR1 TERM INT
  rm -f "$session_dir/failed"
  kill $(session_processes) 2>/dev/null || true
  tries=250 poll eval '[ -z "$(session_processes)" ]' ||
    { kill -KILL $(session_processes) 2>/dev/null; echo "FAIL: a process outlived its session" >&2; status=1; }
  if [ -n "$private_prefix" ]; then
    WINEPREFIX=$private_prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -rf "$private_prefix"
  fi
  rm -rf "$session_dir"
  exit "$status"
}
trap end_session EXIT

# The desktop: openbox (unless named), metacity or xfwm4 on a private X server, or a Wayland
# compositor: sway, GNOME Shell's (gnome) or KWin (kde); or GNOME Shell on X11 (gnome-x11).
# $wayland says which kind.
wayland=""
start_desktop() {
  desktop=${1:-openbox}
  if [ "$desktop" = sway ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/wayland.sh"
    start_sway
  elif [ "$desktop" = gnome ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/gnome.sh"
    start_gnome
  elif [ "$desktop" = gnome-x11 ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/gnome.sh"
    source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"
    start_x
    start_gnome_x11
  elif [ "$desktop" = kde ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/kde.sh"
    start_kde
  else
    source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"
    start_x
    start_window_manager "$desktop"
  fi
  [ -n "${DISPLAY:-}" ] || wayland=1
}
# A Wine prefix of the session's own, made beside a prepared one (PREFIX): its programs share no
# windows, registry or Wine server with another session's. The Windows programs' files, which
# Wine only reads, are linked rather than copied.
use_wine_prefix_like() {
  local windows=drive_c/windows
  private_prefix=$(mktemp -d "$1.XXXXXX")
  export WINEPREFIX=$private_prefix
  tar -C "$1" --exclude="./$windows/system32" --exclude="./$windows/syswow64" \
    --exclude="./$windows/winsxs" -cf - . | tar -C "$WINEPREFIX" -xf -
  for folder in system32 syswow64 winsxs; do
    [ ! -d "$1/$windows/$folder" ] || cp -al "$1/$windows/$folder" "$WINEPREFIX/$windows/"
  done
}
# Starts a program in the background, its process in $app: the Linux program, or
# the Windows program under Wine in the prefix that WINEPREFIX names.
wine=/usr/lib/wine/wine64
start_program() {
  if [[ $1 == *.exe ]]; then
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" "$@" &
  else
    "$@" &
  fi
  app=$!
  own "$app"
}
# Every desktop's driver lists the windows that it shows (`windows`): a line each, its id and its
# process first, a tab and the title last. The window with exactly this title (none is an answer
# too: the status says), and how many windows a process shows.
shown() { windows | awk -F '\t' -v title="$1" '$2 == title {split($1, f, " "); print f[1]; found = 1; exit} END {exit !found}'; }
window_count() { windows | awk -v pid="$1" '$2 == pid' | wc -l; }
# Waiting for a window with exactly this title, or for none.
wait_for_window() { poll shown "$1" || fail "no window titled '$1'"; }
wait_until_gone() { poll eval "! shown '$1' >/dev/null" || fail "the window '$1' is still there"; }
# Waits for a process to end and gives its exit status.
wait_for_exit() { poll eval "! kill -0 $1 2>/dev/null" || fail "process $1 did not end"; wait "$1"; }
