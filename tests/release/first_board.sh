#!/usr/bin/env bash
# Packs the built program as tools/release.sh does and, in a new Wine prefix,
# unpacks the zip into a new folder and starts Morvane.exe from there, with no
# settings stored, until its first board is dealt: once as Windows 7, 10 and
# 11. Then installs today's package as a player does and starts the program;
# over it the package made now, the same again, a later version, an earlier
# one (refused); repairs it and removes it: the player's settings stay.
# Usage: first_board.sh Morvane.exe first_board.exe WORK_DIR exit_status.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$3
exit_status=$4
rm -rf "$work"
mkdir -p "$work"
"$root/tools/package.sh" "$1" "$work/Morvane.zip" 2000-01-01

unzip -q "$work/Morvane.zip" -d "$work/player"
export WINEPREFIX=$work/prefix
source "$root/tools/wine-env.sh"
wine_start
trap wine_stop EXIT
wine_no_debugger
# Runs a Windows program with its arguments until it ends, and fails unless
# its own exit status is $1. A start that Wine itself failed (no status of the
# program's: "ShellExecuteEx failed: Internal error") is tried again. The
# window an installer shows when it fails is answered with Return.
run() {
    local expected=$1 status
    shift
    for _ in 1 2 3; do
        wine "$exit_status" "$@" >"$work/run" &
        while kill -0 $! 2>/dev/null; do
            sleep 0.2
            xdotool search --name "Install Failed" key --window %1 Return 2>/dev/null || true
        done
        wait $! || true
        tr -d '\r' <"$work/run" | tee "$work/run.txt" | grep -v '^exit status ' || true
        status=$(sed -n 's/^exit status //p' "$work/run.txt")
        [ -n "$status" ] && break
        echo "Wine did not start $1: once more"
    done
    [ "$status" = "$expected" ] || { echo "$1 ${*:2}: exit status ${status:-none}, not $expected"; return 1; }
}
for version in win7 win10 win11; do
    # Wine 8 knows no Windows 11, which is Windows 10 from build 22000 on: set
    # to Windows 10, its default, Wine keeps no version of its own and reports
    # the build in the registry.
    wine winecfg /v ${version/win11/win10}
    [ $version != win11 ] ||
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' /v CurrentBuildNumber /d 22631 /f >/dev/null
    run 0 "$2" "Z:$work/player/Morvane.exe"
    wine reg delete 'HKCU\Software\Kestova' /f >/dev/null
done

app=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Morvane
link=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Morvane.lnk
# What a player finds: the name and version of each entry in the list of
# installed programs (Wine keeps it for every user in one place) and whether
# it shows the program's icon; the files; a shortcut to the program with it.
found() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
        awk -F '[ \r]+' '/Display(Name|Version)/ {printf "%s ", $4}'
    wine reg query 'HKCU\Software\Microsoft\Installer\Products' /s 2>/dev/null |
        grep -q 'ProductIcon.*\\Morvane\.ico' && echo -n "icon "
    cmp -s "$1" "$app/Morvane.exe" && [ -f "$app/README.txt" ] && echo -n "files "
    tr -d '\0\n' 2>/dev/null <"$link" | grep -q 'Programs\\Morvane\\Morvane\.exe.*\\Morvane\.ico' && echo -n "shortcut"
}
# Today's package, 3.1.0 as tools/release.sh made it at commit fb2771c, breaks three of
# Windows Installer's rules for the profile; tools/package.sh refuses to make any such.
old=$root/tests/release/Morvane-3.1-win64-fb2771c.msi
[ "$("$root/tools/check-msi.sh" "$old" | cut -d: -f1 | tr '\n' ' ')" = "ICE38 ICE43 ICE64 " ] ||
    { echo "tools/check-msi.sh misses a fault of today's package"; exit 1; }
for version in 3.1.0 3.2.0; do "$root/tools/package.sh" "$1" "$work/$version.msi" 2000-01-01 $version; done
program=$1
# Runs msiexec with the options after $1, timed; the player must then find $1.
msi() {
    local TIMEFORMAT="msiexec ${*:2}: %3R s"
    time run 0 msiexec "${@:2}" /qn
    [ "$(found "$program")" = "$1" ] || { echo "msiexec ${*:2}: $(found "$program")"; exit 1; }
}
msi "Morvane 3.1.0 icon shortcut" /i "Z:$old"  # its program is not the one built here
run 0 "$2" "C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Morvane\\Morvane.exe"
settings=$(wine reg query 'HKCU\Software\Kestova\Morvane' /s)
msi "Morvane 3.1.0 icon files shortcut" /i "Z:$work/3.1.0.msi"  # another build of the version replaces it
msi "Morvane 3.1.0 icon files shortcut" /i "Z:$work/3.1.0.msi"  # the same package again: nothing changes
msi "Morvane 3.2.0 icon files shortcut" /i "Z:$work/3.2.0.msi"
# An earlier version is refused with the package's message, which Wine shows only with a user interface.
WINEDEBUG=trace+msgbox run 1603 msiexec /i "Z:$work/3.1.0.msi" /qb 2>"$work/refused" &&
    grep -q '"A later version of Morvane is installed already."' "$work/refused" &&
    [ "$(found "$1")" = "Morvane 3.2.0 icon files shortcut" ] || { echo "3.1.0 over 3.2.0: $(found "$1")"; exit 1; }
# Repaired as msiexec /fa asks (Wine's takes the package for a product code).
rm "$app/Morvane.exe"
msi "Morvane 3.2.0 icon files shortcut" /i "Z:$work/3.2.0.msi" REINSTALL=ALL REINSTALLMODE=a
TIMEFORMAT="msiexec /x: %3R s"
time run 0 msiexec /x "Z:$work/3.2.0.msi" /qn
[ -z "$(found "$1")" ] && [ ! -e "$app" ] && [ "$(wine reg query 'HKCU\Software\Kestova\Morvane' /s)" = "$settings" ] ||
    { echo "removed: \"$(found "$1")\" left, or $app, or the settings changed"; exit 1; }
