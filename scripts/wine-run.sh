#!/bin/sh
# Runs one Windows program under Wine, for ctest and for the run command.
# Uses the prefix in WINEPREFIX (a throw-away one under build/ by default), boots it once,
# and keeps Wine quiet and away from its Mono and Gecko downloads.
set -eu
exe=$1
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
: "${WINEPREFIX:?set WINEPREFIX to a throw-away folder}"
export WINEPREFIX

# A 32-bit program needs the 32-bit loader; kernels built without 32-bit support cannot
# start it, and a machine whose package lists could not give wine32 has none, so such tests
# report themselves skipped (exit 77) rather than failing.
if i686-w64-mingw32-objdump -f "$exe" 2>/dev/null | grep -q 'file format pei-i386'; then
    loader=/usr/lib/wine/wine
    export WINEARCH="${WINEARCH:-win32}"
    if [ ! -x "$loader" ]; then
        echo "SKIPPED: 32-bit Wine cannot start: wine32 is not installed (see install-deps.sh)" >&2
        exit 77
    fi
    if ! "$loader" --version >/dev/null 2>&1; then
        echo "SKIPPED: 32-bit Wine cannot start: this machine cannot run 32-bit Linux programs" >&2
        exit 77
    fi
else
    loader=/usr/lib/wine/wine64
    export WINEARCH="${WINEARCH:-win64}"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$loader" wineboot -i >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
fi
"$(dirname "$0")/wine-fonts.sh" "$loader"
exec "$loader" "$@"
