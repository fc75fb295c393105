#!/usr/bin/env bash
# The release check, for a disposable machine only: it installs the package system-wide.
# Builds the package, has lintian find nothing in it (no error, no warning, no hardening tag
# even among its notes), installs it with its dependencies, starts the game as its menu entry
# does, sees its window, removes the package and finds none of its files left. Then the
# Windows zip, with the licence and a program marked for address-space randomisation and
# data-execution prevention, and the Windows installer (check-installer.sh); the web page's zip
# with its four files. Last, the package, the zips and the installer built again from a second
# clone in another folder must be the same byte for byte (diffoscope shows where they are not).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh release

package=$(scripts/package.sh | tail -n 1)
echo "package: $package"
dpkg-deb --info "$package" | grep -E '^ *(Package|Version|Depends|Section):'
fail() { echo "FAIL: $*" >&2 && exit 1; }
report=$(lintian --fail-on error,warning --display-level '>=info' "$package") ||
  fail "lintian finds fault with the package: $report"
! grep hardening <<<"$report" || fail "the program is not hardened"
echo "lintian: no errors, no warnings, no hardening tags${report:+; notes: $report}"

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
own "$app"
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
{ read -r zip; read -r msi; } < <(scripts/package-windows.sh | tail -n 2)
[ "$(unzip -Z1 "$zip" | sort | xargs)" = "LICENSE Vexal.exe" ] ||
  { echo "FAIL: the Windows zip holds $(unzip -Z1 "$zip" | xargs)" >&2; exit 1; }
echo "the Windows zip holds Vexal.exe and LICENSE"
unzip -p "$zip" Vexal.exe >"$session_dir/Vexal.exe"
headers=$(x86_64-w64-mingw32-objdump -p "$session_dir/Vexal.exe")
for mark in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
  grep -q "^\s*$mark\b" <<<"$headers" || fail "Vexal.exe is not marked $mark"
done
dlls=$(awk '/DLL Name/ {print tolower($3)}' <<<"$headers" | sort | xargs)
[ "$dlls" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll" ] || fail "Vexal.exe needs $dlls"
echo "Vexal.exe: randomised, not executing data, and needs only $dlls"
scripts/check-installer.sh "$msi"
web=$(scripts/package-web.sh | tail -n 1)
page_files="icon-192.png icon-512.png icon-maskable.png index.html manifest.webmanifest sw.js"
[ "$(unzip -Z1 "$web" | sort | xargs)" = "$page_files vexal.ico vexal.js vexal.wasm" ] ||
  fail "the web zip holds $(unzip -Z1 "$web" | xargs)"
echo "the web zip holds the page, its script, its module, its icons, its manifest and its worker"

# The same commit in another folder, at another time: the same package, zips and installer.
again=$(mktemp -d)/vexal-again
git clone -q . "$again"
"$again"/scripts/package.sh >/dev/null
"$again"/scripts/package-windows.sh >/dev/null
"$again"/scripts/package-web.sh >/dev/null
for first in "$package" "$zip" "$msi" "$web"; do
  other=$again/${first#"$PWD"/}
  cmp -s "$first" "$other" || { diffoscope "$first" "$other" || true; fail "$(basename "$first") differs"; }
  echo "reproducible: $(sha256sum "$first" | cut -c1-64) $(stat -c %s "$first") bytes $(basename "$first")"
done
rm -rf "$(dirname "$again")"
echo "release check passed"
