#!/usr/bin/env bash
# Installs the Debian packages that vexal needs and the machine lacks; does nothing when all
# are there. With --check, installs nothing and fails when a package is missing.
# Usage: install-deps.sh [--check] play|test|test-build|test-run|package|windows|web|npm|session|release
set -euo pipefail

# Qt's Wayland plugin, so that the game runs natively on a Wayland session, and the Wayland
# client library, through which the game asks the compositor whether it draws window frames;
# xcb's, through which it asks the X11 window manager its name.
# zlib compresses the icon's PNG files, which a tool of the build writes.
play_packages=(g++ cmake make pkgconf qt6-base-dev qt6-wayland libwayland-dev libxcb1-dev libgl-dev fonts-liberation
  zlib1g-dev)
package_packages=(dpkg-dev file lintian unzip git)
# What the release check needs besides: diffoscope shows where two builds differ.
release_packages=(diffoscope)
# Emscripten builds the web page, and the machine's own compiler the tools that make its icons;
# Debian's Chromium plays it in the tests.
web_packages=(emscripten g++ zlib1g-dev zip git)
windows_packages=(cmake make g++ g++-mingw-w64-x86-64-posix git msitools wixl zip)
# A private X server with a window manager, the tools that find, close and picture windows, and
# curl, which fetches a served page.
session_packages=(xvfb xauth xdotool x11-utils wmctrl openbox imagemagick curl)
# The tests' builds need the first; only their run the second (desktops, Wine, browsers).
test_build_packages=("${play_packages[@]}" googletest libgtest-dev qt6-base-private-dev
  libbenchmark-dev clang-format g++-mingw-w64-x86-64-posix "${web_packages[@]}")
# GNOME Shell and KWin, headless, with the tools that call them over D-Bus; the description of
# KWin's fake input protocol and the tool that makes a client of it.
test_run_packages=("${session_packages[@]}" metacity xfwm4 sway wayvnc grim
  gnome-shell libglib2.0-bin kwin-wayland plasma-wayland-protocols libwayland-bin dbus-bin
  at-spi2-core dbus-x11 python3-pyatspi python3-gi python3-pil
  desktop-file-utils appstream groff-base strace wine64 chromium firefox-esr webkit2gtk-driver)

check=false
[ "${1:-}" != --check ] || { check=true && shift; }
case "${1:-}" in
  play) wanted=("${play_packages[@]}") ;;
  test) wanted=("${test_build_packages[@]}" "${test_run_packages[@]}") ;;
  test-build) wanted=("${test_build_packages[@]}") ;;
  test-run) wanted=("${test_run_packages[@]}") ;;
  package) wanted=("${play_packages[@]}" "${package_packages[@]}") ;;
  windows) wanted=("${windows_packages[@]}") ;;
  web) wanted=("${web_packages[@]}") ;;
  npm) wanted=(npm) ;;  # only where the machine's node brings no npm of its own
  session) wanted=("${session_packages[@]}") ;;
  release) wanted=("${release_packages[@]}") ;;
  *) echo "usage: $0 [--check] play|test|test-build|test-run|package|windows|web|npm|session|release" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
! $check || exit 1

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
