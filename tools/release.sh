#!/usr/bin/env bash
# Builds the download for players from the last commit, in a clean copy of
# it, and writes build/release/Morvane-<version>-win64.zip and .msi: the
# stripped, static Morvane.exe and README.txt, unpacked by hand or installed.
# Changes not committed are not in it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
[ -z "$(git status --porcelain)" ] || echo "note: uncommitted changes are left out of the release" >&2

version=$(sed -n 's/^FILEVERSION \([0-9]*\),\([0-9]*\),.*/\1.\2/p' resources/Morvane.rc)
rel=build/release
rm -rf "$rel"
mkdir -p "$rel/src"
git archive HEAD | tar -x -C "$rel/src"
cmake -S "$rel/src" -B "$rel/build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$rel/build" -j"$(nproc)" --target Morvane
for kind in zip msi; do
    "$rel/src/tools/package.sh" "$rel/build/Morvane.exe" "$rel/Morvane-$version-win64.$kind" "$(git log -1 --format=%cI)"
    echo "wrote $rel/Morvane-$version-win64.$kind"
done
