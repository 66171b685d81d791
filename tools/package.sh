#!/usr/bin/env bash
# Packs a built Morvane.exe and the players' read-me into a download: the zip,
# or the installer when OUT ends in .msi. The same program gives the same
# package, byte for byte: the files in a fixed order, stamped with one given
# time, and the installer's codes derived from what it holds.
# Usage: tools/package.sh EXE OUT.zip|OUT.msi [TIME [VERSION]]
# TIME is anything `date -d` reads; the default is the last commit's date.
# VERSION is the installer's, three numbers; the default is the program's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "$1")
out=$(realpath -m "$2")
stamp=${3:-$(git -C "$root" log -1 --format=%cI)}
version=${4:-$(sed -n 's/^FILEVERSION \([0-9]*\),\([0-9]*\),\([0-9]*\),.*/\1.\2.\3/p' "$root/resources/Morvane.rc")}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Morvane.exe"
sed 's/$/\r/' "$root/docs/README.txt" >"$stage/README.txt"  # Windows line ends
cp "$root/resources/morvane.ico" "$stage/Morvane.ico"
touch -d "$stamp" "$stage"/*
mkdir -p "$(dirname "$out")"
rm -f "$out"
if [[ $out != *.msi ]]; then
    # -X: no extra fields (owner, access times); zip's times are local, so fix the zone.
    (cd "$stage" && TZ=UTC zip -X -q "$out" Morvane.exe README.txt)
    exit
fi

# Every version shares the upgrade code: Windows knows them as one program.
upgrade={0BDE4449-36F3-428C-B6D0-0A404686AE20}
# The product and package codes come from what the package holds: the same
# build gives the same package again, and any other build a new product.
hash=$(cat "$stage"/* "$root/tools/Morvane.wxs" <(echo "$version") | sha256sum | tr a-f A-F)
guid() { echo "{${1:0:8}-${1:8:4}-${1:12:4}-${1:16:4}-${1:20:12}}"; }
# wixl 0.101 stamps the package with the time it runs (it reads no
# SOURCE_DATE_EPOCH), so it runs at the given time. It warns of the
# publisher we do not have, and of RemoveFolder's Directory, which it ignores.
cd "$stage"
TZ=UTC faketime -f "$(date -u -d "$stamp" "+%F %T")" \
    wixl -a x64 -D Version="$version" -D ProductCode="$(guid "${hash:0:32}")" -D UpgradeCode="$upgrade" \
         -o "$out" "$root/tools/Morvane.wxs" 2> >(grep -v -e "value != NULL" -e "named 'Directory'" -e '^$' >&2)
# wixl writes a random package code: set ours. Its MajorUpgrade replaces only
# earlier versions (wixl knows no AllowSameVersionUpgrades and drops
# IncludeMaximum): let this package replace another build of its version too
# (the same version with the same codes is this very package, which Windows
# leaves as it is); 513: include the maximum, keep features. And wixl ignores
# the Directory of a RemoveFolder: the folder above the program's is removed too.
msibuild "$out" -s "Morvane tile-matching puzzle" "" "x64;1033" "$(guid "${hash:32:32}")"
msibuild "$out" -q "DELETE FROM Upgrade WHERE ActionProperty = 'WIX_UPGRADE_DETECTED'" \
    -q "INSERT INTO Upgrade (UpgradeCode, VersionMax, Attributes, ActionProperty)
        VALUES ('$upgrade', '$version', 513, 'WIX_UPGRADE_DETECTED')" \
    -q "UPDATE RemoveFile SET DirProperty = 'UserPrograms' WHERE FileKey = 'UserPrograms'"
# No package that breaks Windows Installer's rules for the profile is kept.
"$root/tools/check-msi.sh" "$out" || { rm "$out"; exit 1; }
