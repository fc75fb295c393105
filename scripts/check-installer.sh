#!/usr/bin/env bash
# Installs the Windows Installer package under Wine, in a throw-away prefix, as a machine's
# administrator does (msiexec /i … /qn): the program and the licence in Program Files\vexal, a
# Start menu shortcut to the program, which shows the Game window, and the entry in Programs and
# Features with its name, version and publisher. Then removes it (msiexec /x … /qn) and finds
# none of the files, folders, the shortcut or the entry left.
# Usage: check-installer.sh PACKAGE.msi   (in a desktop session, as the release check runs it)
set -euo pipefail
cd "$(dirname "$0")/.."
msi=$(realpath "$1")
source scripts/desktop/session.sh
start_desktop
export WINEPREFIX=$session_dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; end_session' EXIT
"$wine" wineboot --init >/dev/null 2>&1

folder="$WINEPREFIX/drive_c/Program Files/vexal"
# The Start menu's shortcut (Wine keeps a machine's in the installing user's menu) and the icon
# that Windows Installer keeps for the entry.
added() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/vexal.lnk' -o -path '*/windows/Installer/*/vexal.ico'; }
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The key under Uninstall whose DisplayName is vexal, with its values.
entry() { "$wine" reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | awk -v RS= '/DisplayName[ \t]+REG_SZ[ \t]+vexal(\n|$)/'; }

"$wine" msiexec /i "$msi" /qn || fail "msiexec /i ended with status $?"
[ "$(ls "$folder" | xargs)" = "LICENSE Vexal.exe" ] || fail "Program Files\\vexal holds $(ls "$folder" | xargs)"
shortcut=$(added | grep 'lnk$') && added | grep -q 'ico$' || fail "no shortcut or no icon: $(added)"
strings -a "$shortcut" | grep -qix 'C:\\Program Files\\vexal\\Vexal.exe' || fail "the shortcut starts no vexal"
for value in "DisplayName\s+REG_SZ\s+vexal" "DisplayVersion\s+REG_SZ\s+1.00" \
  "Publisher\s+REG_SZ\s+The vexal developers"; do
  entry | grep -qE "$value" || fail "the Programs and Features entry lacks $value: $(entry)"
done
echo "installed: Program Files\\vexal, the Start menu shortcut and the Programs and Features entry"
start_program "$WINEPREFIX/drive_c/windows/system32/start.exe" /unix "$shortcut"
wait_for_window Game >/dev/null
echo "the shortcut shows the Game window"
/usr/lib/wine/wineserver -k
/usr/lib/wine/wineserver -w

"$wine" msiexec /x "$msi" /qn || fail "msiexec /x ended with status $?"
[ ! -e "$folder" ] && [ -z "$(added)" ] || fail "files left: $(ls "$folder" 2>&1) $(added)"
[ -z "$(entry)" ] || fail "the Programs and Features entry is left"
echo "removed: no file, folder, shortcut or entry left"
