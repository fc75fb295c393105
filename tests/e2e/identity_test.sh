#!/usr/bin/env bash
set -euo pipefail
# Installed, the program's window is the desktop's entry for it: the dock shows the game's name
# and icon. The desktop looks for the entry where the data folders say, and takes it only when
# its program is on the path.
# Usage: identity_test.sh BUILD_FOLDER DESKTOP
source "$(dirname "$0")/player.sh"
prefix="$session_dir/prefix"
cmake --install "$1" --prefix "$prefix" >/dev/null
export XDG_DATA_DIRS="$prefix/share:/usr/share" PATH="$prefix/bin:$PATH"
start_desktop "$2"
start_program vexal
game=$(wait_for_window Game)
shows=$(dock_identity "$game")
[ "$shows" = "$VEXAL_APP_ID.desktop vexal $VEXAL_APP_ID" ] || fail "the dock shows '$shows'"
echo "identity test passed on $desktop: $shows"
