#!/usr/bin/env bash
# Installs what is missing, cross-builds Vexal.exe for 64-bit Windows with MinGW-w64, packs it
# into a zip and makes its Windows Installer package with wixl; prints the zip's path and the
# installer's. Every build of one commit gives the same zip and the same installer: the zip's
# members carry the last commit's time, in a fixed order; the installer's summary carries that
# time too, and a package code made from the package's own content.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
build=build/windows-release
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel 2 >/dev/null
rm -rf "$build/zip"
cmake --install "$build" --prefix "$build/zip" --strip >/dev/null
name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
# Without the extra fields of Unix times and owners; the times that remain are in UTC.
touch -d "@$SOURCE_DATE_EPOCH" "$build"/zip/*
rm -f "$build/$name.zip"
(cd "$build/zip" && TZ=UTC zip -X -q "../$name.zip" $(ls | sort))
(cd "$build/zip" && wixl --arch x64 --output "../$name.msi" ../vexal.wxs)
# wixl stamps the package with the time of the build and a random package code. The summary is
# written back with the commit's time and a zero code, then with a code from that package's
# SHA-256: another content, another code, as Windows Installer wants.
msi=$PWD/$build/$name.msi
stamp=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y/%m/%d %H:%M:%S')
summary_with_code() {
  TZ=UTC msiinfo export "$msi" _SummaryInformation | tr -d '\r' |
    awk -F '\t' -v OFS='\t' -v code="$1" -v stamp="$stamp" \
      '$1 == 9 {$2 = code} $1 == 12 || $1 == 13 {$2 = stamp} {print $0 "\r"}' >"$build/_SummaryInformation.idt"
  (cd "$build" && TZ=UTC msibuild "$msi" -i _SummaryInformation.idt)
}
summary_with_code "{00000000-0000-0000-0000-000000000000}"
digest=$(sha256sum "$msi" | tr a-f A-F)
summary_with_code "{${digest:0:8}-${digest:8:4}-${digest:12:4}-${digest:16:4}-${digest:20:12}}"
rm "$build/_SummaryInformation.idt"
ls "$PWD/$build/$name.zip"
ls "$PWD/$build/$name.msi"
