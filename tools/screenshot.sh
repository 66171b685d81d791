#!/usr/bin/env bash
# Starts the built program under Xvfb in a Wine desktop (so that captions, menus
# and borders are drawn as a player sees them), waits, and saves the screen as
# a PNG. Usage: tools/screenshot.sh [out.png] [seconds to wait] [link]
# With "link", the picture is taken while Game > Help me! shows a pair's link line.
# It runs in a Wine prefix of its own, so it never disturbs a test run.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshot.png}")
seconds=${2:-6}
link=${3:-}
[ -f build/win/Morvane.exe ] || { echo "build the program first (tools/play.sh or tools/test.sh)" >&2; exit 1; }

export WINEPREFIX=$PWD/build/wineprefix-screenshot
# Wine's services must start inside the X server: windows belong to its display.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    source tools/wine-env.sh
    wine_start
    wine_fonts
    trap wine_stop EXIT
    (cd build/win && wine explorer /desktop=morvane,1280x1024 Morvane.exe) &
    sleep "$1"
    if [ "$3" = link ]; then
        # Esc closes the tips that a new prefix shows at start.
        xdotool key Escape
        sleep 0.5
        xdotool key --delay 300 F10 Right Right Down Down Down Return
        sleep 0.5
    fi
    xwd -root -silent | convert xwd:- "png:$2"
' screenshot "$seconds" "$out" "$link"
echo "saved $out"
