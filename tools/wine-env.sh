# Sourced by the scripts: the project's Wine prefix inside build/, quiet, and a
# persistent server so that each test program starts quickly.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

wine_start() {
    mkdir -p "$WINEPREFIX"
    wineserver -p
    # The first program makes the prefix and starts Wine's own services, which
    # live as long as the server: started here, they hold no test's output open.
    wineboot --init >/dev/null 2>&1 </dev/null || true
}

# No debugger in the prefix: Wine's would stop a program that crashes and wait
# for someone at the screen, so that its test stalls; without it the program
# ends at once with the exception's status.
wine_no_debugger() {
    wine reg add 'HKCU\Software\Wine\DllOverrides' /v winedbg.exe /d '' /f >/dev/null
}

# A prefix for the window tests: no debugger, and windows unmanaged (without a
# window manager Wine waits two seconds for every window it hides).
wine_test_prefix() {
    wine_no_debugger
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
}

# Wine 8 as Debian packs it never opens its own fonts in /usr/share/wine/fonts:
# without Marlett the caption buttons show the letters "0", "1" and "r", and
# Tahoma and MS Sans Serif are stood in for. It does load the fonts in the
# prefix's Fonts folder. For the prefixes a player looks at; the tests keep
# the fonts they were written with.
wine_fonts() {
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Japanese and Chinese letters: Windows draws them in the interface's faces by
# linking those faces to a font that has them; Wine does the same when told so.
wine_cjk_fonts() {
    ln -sf /usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    local face
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
            /t REG_MULTI_SZ /d 'DroidSansFallbackFull.ttf,Droid Sans Fallback' /f >/dev/null
    done
}

wine_stop() {
    wineserver -k 2>/dev/null || true
}
