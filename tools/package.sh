#!/usr/bin/env bash
# Packs a built Morvane.exe and the players' read-me into the download zip:
# the two files in a fixed order, stamped with one given time, so that the same
# program gives the same zip. Usage: tools/package.sh EXE OUT.zip [TIME]
# TIME is anything `date -d` reads; the default is the last commit's date.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "$1")
out=$(realpath -m "$2")
stamp=${3:-$(git -C "$root" log -1 --format=%cI)}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Morvane.exe"
sed 's/$/\r/' "$root/docs/README.txt" >"$stage/README.txt"  # Windows line ends
touch -d "$stamp" "$stage/Morvane.exe" "$stage/README.txt"
mkdir -p "$(dirname "$out")"
rm -f "$out"
# -X: no extra fields (owner, access times); zip's times are local, so fix the zone.
(cd "$stage" && TZ=UTC zip -X -q "$out" Morvane.exe README.txt)
