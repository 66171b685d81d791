#!/usr/bin/env bash
# Packs the built program as tools/release.sh does, unpacks the zip into a new
# folder and starts Morvane.exe from there in a new Wine prefix, with no
# settings stored, until its first board is dealt.
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
wine "$2" "Z:$work/player/Morvane.exe"
echo "from unpacking to the first board: $((($(date +%s%N) - begin) / 1000000)) ms, making the prefix included"
