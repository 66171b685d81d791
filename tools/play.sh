#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine, for playing. Installs
# what is missing first. Needs an X display (DISPLAY); on a machine without
# one, tools/screenshot.sh shows the program headless.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$(nproc)" --target Morvane
if [ -z "${DISPLAY:-}" ]; then
    echo "Morvane is built (build/win/Morvane.exe), but there is no X display to show it on." >&2
    exit 1
fi
# The player's own prefix: settings and best times stay apart from the tests'.
export WINEPREFIX=$PWD/build/wineprefix-play
source tools/wine-env.sh
wine_start
wine_fonts
wine_cjk_fonts
trap wine_stop EXIT
cd build/win
wine Morvane.exe
