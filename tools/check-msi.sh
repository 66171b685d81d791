#!/usr/bin/env bash
# Checks a package against three of Windows Installer's validation rules for
# what it puts in the user's profile, read from its tables (Windows' own
# validation suite runs only on Windows). Prints each break; fails on any.
#   ICE38: a component in the profile has a value in HKCU as its key path;
#   ICE43: so has a component with a shortcut that is not advertised;
#   ICE64: each folder the package makes in the profile is removed again.
# Usage: tools/check-msi.sh PACKAGE.msi
set -euo pipefail
for table in Feature Directory Component Registry Shortcut RemoveFile; do
    msiinfo export "$1" $table | tail -n +4 | sed "s/\r$//; s/^/$table\t/"
done | awk -F '\t' '
    function standard(d) {  # a folder of the profile that Windows makes
        return d ~ /^(AppData|LocalAppData|Desktop|Favorites|MyPictures|NetHood|Personal|PrintHood|ProgramMenu|Recent|SendTo|StartMenu|Startup|Template)Folder$/
    }
    function profile(d) {
        for (; d != ""; d = parent[d])
            if (standard(d))
                return 1
        return 0
    }
    $1 == "Feature" { feature[$2] = 1 }
    $1 == "Directory" { parent[$2] = $3 }
    $1 == "Component" { folder[$2] = $4; key[$2] = $7; byValue[$2] = int($5 / 4) % 2 }
    $1 == "Registry" && $3 == 1 { hkcu[$2] = 1 }
    $1 == "Shortcut" && !($6 in feature) { unadvertised[$5] = 1 }
    $1 == "RemoveFile" && $4 == "" { removed[$5] = 1 }
    END {
        for (c in folder) {
            if (byValue[c] && hkcu[key[c]])
                continue
            if (profile(folder[c]))
                print "ICE38: component " c " in the profile has key path " key[c] ", no value in HKCU"
            if (c in unadvertised)
                print "ICE43: component " c " with a shortcut not advertised has key path " key[c] ", no value in HKCU"
        }
        for (d in parent)
            if (profile(d) && !standard(d) && !removed[d])
                print "ICE64: folder " d " made in the profile is not in the RemoveFile table"
    }' | sort | awk '{ print } END { exit NR > 0 }'
