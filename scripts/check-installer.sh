#!/usr/bin/env bash
# The Windows Installer package as an administrator meets it under Wine (msiexec … /qn), each case
# in a fresh prefix of its own, with a home folder of the check's own (Wine's menu integration
# writes there):
# - installed: the program and the licence in Program Files\vexal, a Start menu shortcut to the
#   program, which shows the Game window, and one entry in Programs and Features, whole; removed:
#   no file, folder, shortcut or entry left;
# - over an older version (0.99, which has a file that this one no longer has): one entry, of
#   this version, and the older one's file gone;
# - an older version over this one: refused, and this one stays whole;
# - this package installed again: one entry.
# Usage: check-installer.sh PACKAGE.msi   (beside the build's vexal.wxs and its zip folder, in a
# desktop session, as the release check runs it)
set -euo pipefail
cd "$(dirname "$0")/.."
msi=$(realpath "$1")
build=$(dirname "$msi")
source scripts/desktop/session.sh
start_desktop
export HOME=$session_dir/home WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir "$HOME"

# The older version: this package's files and one more, under another product code.
older=$session_dir/older
cp -r "$build/zip" "$older"
echo "a file of 0.99 alone" >"$older/README.txt"
mkdir -p "$older/src/win32"
cp "$build/src/win32/vexal.ico" "$older/src/win32/"
sed -e 's/ Version="[^"]*"/ Version="0.99"/' \
  -e "s/<Product Id=\"[^\"]*\"/<Product Id=\"$(tr a-z A-Z </proc/sys/kernel/random/uuid)\"/" \
  -e '/<Directory Id="INSTALLDIR"/a <Component Id="Old" Guid="*" Win64="yes"><File Id="Old" Name="README.txt" Source="README.txt" KeyPath="yes"/></Component>' \
  -e '/<Feature /a <ComponentRef Id="Old"/>' "$build/vexal.wxs" >"$older/vexal.wxs"
(cd "$older" && wixl --arch x64 --output older.msi vexal.wxs 2>/dev/null) || fail "no package of 0.99"

# A prefix made once, and copied for each case.
WINEPREFIX=$session_dir/clean "$wine" wineboot --init >/dev/null 2>&1
WINEPREFIX=$session_dir/clean /usr/lib/wine/wineserver -w
# The session ends the Wine server of the last one (private_prefix).
fresh_prefix() {
  [ -z "$private_prefix" ] || /usr/lib/wine/wineserver -k 2>/dev/null || true
  export WINEPREFIX=$session_dir/$1
  private_prefix=$WINEPREFIX
  cp -a "$session_dir/clean" "$WINEPREFIX"
}
install_package() { "$wine" msiexec /i "$1" /qn; }
files() { ls "$WINEPREFIX/drive_c/Program Files/vexal" 2>/dev/null | xargs; }
# The Start menu's shortcut (Wine keeps a machine's in the installing user's menu) and the icon
# that Windows Installer keeps for the entry.
added() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/vexal.lnk' -o -path '*/windows/Installer/*/vexal.ico'; }
# The keys under Uninstall whose DisplayName is vexal, with their values, and how many they are.
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entries() {
  local keys
  keys=$("$wine" reg query "$uninstall" /s) || fail "no Uninstall key to read"
  tr -d '\r' <<<"$keys" | awk -v RS= '/DisplayName[ \t]+REG_SZ[ \t]+vexal(\n|$)/'
}
entry_count() { entries | grep -c '^HKEY' || true; }
# Version 1.00, whole: its files and one entry of its version.
expect_this_version() {
  [ "$(files)" = "LICENSE Vexal.exe" ] || fail "$1: Program Files\\vexal holds '$(files)'"
  [ "$(entry_count)" = 1 ] && entries | grep -qE 'DisplayVersion\s+REG_SZ\s+1.00$' ||
    fail "$1: the entries in Programs and Features are $(entries)"
}

fresh_prefix installed
install_package "$msi" || fail "msiexec /i ended with status $?"
expect_this_version "installed"
shortcut=$(added | grep 'lnk$') && added | grep -q 'ico$' || fail "no shortcut or no icon: $(added)"
strings -a "$shortcut" | grep -qix 'C:\\Program Files\\vexal\\Vexal.exe' || fail "the shortcut starts no vexal"
for value in "Publisher\s+REG_SZ\s+The vexal developers" "InstallLocation\s+REG_SZ\s+C:\\\\Program Files\\\\vexal\\\\" \
  "URLInfoAbout\s+REG_SZ\s+https://vexal.example.org" "HelpLink\s+REG_SZ\s+https://vexal.example.org" \
  "NoModify\s+REG_DWORD\s+0x1" "NoRepair\s+REG_DWORD\s+0x1"; do
  entries | grep -qE "$value" || fail "the Programs and Features entry lacks $value: $(entries)"
done
echo "installed: Program Files\\vexal, the Start menu shortcut and a whole Programs and Features entry"
start_program "$WINEPREFIX/drive_c/windows/system32/start.exe" /unix "$shortcut"
wait_for_window Game >/dev/null
echo "the shortcut shows the Game window"
/usr/lib/wine/wineserver -k
/usr/lib/wine/wineserver -w
"$wine" msiexec /x "$msi" /qn || fail "msiexec /x ended with status $?"
[ -z "$(files)" ] && [ ! -e "$WINEPREFIX/drive_c/Program Files/vexal" ] && [ -z "$(added)" ] ||
  fail "files left: $(files) $(added)"
[ "$(entry_count)" = 0 ] || fail "the Programs and Features entry is left"
echo "removed: no file, folder, shortcut or entry left"

fresh_prefix upgrade
install_package "$older/older.msi" || fail "0.99 did not install"
[ "$(files)" = "LICENSE README.txt Vexal.exe" ] || fail "0.99 installed '$(files)'"
install_package "$msi" || fail "the upgrade ended with status $?"
expect_this_version "over 0.99"
echo "over 0.99: one entry, of 1.00, and the file of 0.99 alone gone"

fresh_prefix downgrade
install_package "$msi" || fail "msiexec /i ended with status $?"
! install_package "$older/older.msi" || fail "0.99 installed over 1.00"
expect_this_version "0.99 refused"
echo "0.99 over 1.00: refused, and 1.00 stays"

fresh_prefix again
install_package "$msi" && install_package "$msi" || fail "installed again, msiexec ended with status $?"
expect_this_version "installed again"
echo "installed again: one entry"
