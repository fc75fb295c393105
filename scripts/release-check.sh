#!/usr/bin/env bash
# The release check, for a disposable machine only: it installs the package system-wide.
# Builds the package, has lintian find nothing in it (no error, no warning), installs it with
# its dependencies, starts the game as its menu entry does, sees its window, removes the
# package and finds none of its files left. Then the Windows zip, with the licence.
set -euo pipefail
cd "$(dirname "$0")/.."

package=$(scripts/package.sh | tail -n 1)
echo "package: $package"
dpkg-deb --info "$package" | grep -E '^ *(Package|Version|Depends|Section):'
lintian --fail-on error,warning --display-level '>=warning' "$package" ||
  { echo "FAIL: lintian finds fault with the package" >&2; exit 1; }
echo "lintian: no errors, no warnings"

export DEBIAN_FRONTEND=noninteractive
dpkg -i "$package" || apt-get install -f -y --no-install-recommends
files=$(dpkg -L vexal | while read -r path; do [ -f "$path" ] && echo "$path"; done)
[ -n "$files" ] || { echo "FAIL: the package installed no files" >&2; exit 1; }

scripts/install-deps.sh session
source scripts/desktop/session.sh
start_desktop
desktop=$(echo "$files" | grep '\.desktop$')
command=$(sed -n 's/^Exec=//p' "$desktop")
$command &
app=$!
session_pids+=("$app")
window=$(wait_for_window Game)
echo "the menu entry's command '$command' shows the Game window"
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ "$(identity "$window")" = "$class" ] ||
  { echo "FAIL: the window is $(identity "$window"), not the entry's $class" >&2; exit 1; }
echo "its window's class names the menu entry: $class"
kill "$app"

apt-get purge -y vexal >/dev/null
left=$(for path in $files; do [ -e "$path" ] && echo "$path"; done || true)
[ -z "$left" ] || { echo "FAIL: files left after removal: $left" >&2; exit 1; }
zip=$(scripts/package-windows.sh | tail -n 1)
[ "$(unzip -Z1 "$zip" | sort | xargs)" = "LICENSE Vexal.exe" ] ||
  { echo "FAIL: the Windows zip holds $(unzip -Z1 "$zip" | xargs)" >&2; exit 1; }
echo "the Windows zip holds Vexal.exe and LICENSE"
echo "release check passed"
