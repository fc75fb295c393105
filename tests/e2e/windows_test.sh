#!/usr/bin/env bash
set -euo pipefail
# What only the Windows program has, under Wine. It carries its version resource and needs no
# DLL but those Windows ships. At 192 dots per inch (LogPixels in the registry) its client area
# is 416 x 800, the field has the menu-text colour of the user's scheme (blue here), the cannon
# is the reviewed picture's in whole 2 x 2 blocks, and partial repaints
# leave no trail. Once the registry names Wine's system information tool, System Info starts it;
# when it names "C:\Program Files\x y\tool.exe", which is not there, a "C:\Program.exe" is not
# started in its place and the message appears. It changes its own copy of the prefix.
program=$1
source "$(dirname "$0")/player.sh"
start_desktop "${2:-}"

dlls=$(x86_64-w64-mingw32-objdump -p "$program" | awk '/DLL Name/ {print tolower($3)}' | sort | xargs)
[ "$dlls" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll" ] || fail "needs $dlls"
version=$(strings -el "$program" | grep -A11 '^StringFileInfo$' | xargs)
[ "$version" = "StringFileInfo 040904B0 ProductName vexal InternalName Vexal OriginalFilename \
Vexal.exe FileVersion 1.00 ProductVersion 1.00" ] || fail "version resource: $version"

reg() { WINEDEBUG=-all "$wine" reg "$@" /f >/dev/null 2>&1; }
key='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192
reg add 'HKCU\Control Panel\Colors' /v MenuText /t REG_SZ /d '0 0 255'
reg add "$key" /v PATH /t REG_SZ /d 'C:\windows\system32\msinfo32.exe'

start_program "$program"
game=$(wait_for_window Game)
expect_game_window 2
[ "$(pixel_colour "$game" 10 10)" = blue ] || fail "the field is $(pixel_colour "$game" 10 10)"

click_in "$game" 208 768
about=$(wait_for_window "About vexal")
expect_drawn_whole
activate "$about"
send_keys alt+s
wait_for_window "About System Information" >/dev/null
reg add "$key" /v PATH /t REG_SZ /d 'C:\Program Files\x y\tool.exe'
cp "$program" "$WINEPREFIX/drive_c/Program.exe"
activate "$about"
send_keys alt+s
wait_for_window vexal >/dev/null
games() { windows | awk -F '\t' '$2 == "Game"' | wc -l; }
stays eval '[ "$(games)" = 1 ]' ||
  fail "C:\Program.exe was started"
echo "windows test passed: $dlls"
