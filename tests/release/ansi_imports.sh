#!/usr/bin/env bash
# Morvane.exe calls only the wide ("W") functions of Windows: the narrow ("A")
# functions it imports are those that the runtime alone brings into a program.
# Usage: ansi_imports.sh OBJDUMP Morvane.exe runtime_only.exe
set -euo pipefail
objdump=$1
narrow() {
    "$objdump" -p "$1" | awk '/DLL Name:/ { dll = $3 } /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll ":" $3 }' |
        { grep -E '[a-z0-9]A$' || true; } | sort -u
}
runtime=$(narrow "$3")
program=$(narrow "$2")
echo "the runtime's narrow imports: $(echo $runtime)"
extra=$(comm -23 <(echo "$program") <(echo "$runtime"))
if [ -n "$extra" ]; then
    echo "FAILED: Morvane.exe imports narrow functions of its own: $(echo $extra)"
    exit 1
fi
echo "Morvane.exe imports no narrow function beyond them"
