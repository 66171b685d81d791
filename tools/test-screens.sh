#!/usr/bin/env bash
# Runs the program's screen cases (Screens.*) on three screens, each an X
# server of its own size with its DPI in the Wine prefix's settings and a task
# bar's strip left out of the work area (the root window's _NET_WORKAREA):
# 1366 x 768 at 96 DPI with a 40-pixel strip at the bottom, 1920 x 1080 at
# 144 DPI, 3840 x 2160 at 192 DPI. Each screen has a Wine prefix of its own,
# with the fonts a player's has: Wine's own and a font of Japanese and Chinese
# letters linked to the interface's faces.
# Usage: tools/test-screens.sh [BUILD_DIR] [GTEST_FILTER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/win}")
filter=${2:-Screens.*}
status=0
for screen in "1366 768 96 40" "1920 1080 144 0" "3840 2160 192 0"; do
    read -r width height dpi strip <<<"$screen"
    echo "== ${width} x ${height} at ${dpi} DPI, work area ${width} x $((height - strip))"
    rm -f "$build/xvfb-$dpi.display"
    # The server keeps the root window's properties when its last client leaves (-noreset).
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -noreset 3>"$build/xvfb-$dpi.display" 2>/dev/null &
    xvfb=$!
    while [ ! -s "$build/xvfb-$dpi.display" ]; do sleep 0.1; done
    export DISPLAY=:$(cat "$build/xvfb-$dpi.display")
    xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, $width, $((height - strip))"
    WINEPREFIX="$build/wineprefix-screen$dpi" bash -c '
        source tools/wine-env.sh
        wine_start
        trap wine_stop EXIT
        wine_test_prefix
        wine_fonts
        wine_cjk_fonts
        wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
        cd "$2" && "$4/tools/wine-run.sh" tests/program/test_program.exe --gtest_filter="$3"' \
        screens "$dpi" "$build" "$filter" "$PWD" ||
        status=1
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
done
exit $status
