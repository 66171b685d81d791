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

wine_stop() {
    wineserver -k 2>/dev/null || true
}
