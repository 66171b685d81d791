#!/usr/bin/env bash
# Packs the built program as tools/release.sh does, unpacks the zip into a new
# folder and starts Morvane.exe from there in a new Wine prefix, with no
# settings stored, until its first board is dealt: once as Windows 7, 10 and 11.
# Usage: first_board.sh Morvane.exe first_board.exe WORK_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$3
rm -rf "$work"
mkdir -p "$work"
"$root/tools/package.sh" "$1" "$work/Morvane.zip" 2000-01-01

begin=$(date +%s%N)
unzip -q "$work/Morvane.zip" -d "$work/player"
export WINEPREFIX=$work/prefix
source "$root/tools/wine-env.sh"
wine_start
trap wine_stop EXIT
echo "new prefix and unpacked: $((($(date +%s%N) - begin) / 1000000)) ms"
for version in win7 win10 win11; do
    # Wine 8 knows no Windows 11, which is Windows 10 from build 22000 on: set
    # to Windows 10, its default, Wine keeps no version of its own and reports
    # the build in the registry.
    wine winecfg /v ${version/win11/win10}
    [ $version != win11 ] ||
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' /v CurrentBuildNumber /d 22631 /f >/dev/null
    printf '%s: ' "$(wine cmd /c ver | tr -d '\r\n')"
    wine "$2" "Z:$work/player/Morvane.exe"
    wine reg delete 'HKCU\Software\Kestova' /f >/dev/null  # the next start finds no settings
done
