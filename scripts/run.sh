#!/bin/sh
# Builds Keystead.exe and starts it under Wine, in a prefix of its own under build/ so that
# the user's Wine setup stays untouched. The 32-bit program runs where the machine can run
# 32-bit Wine, the 64-bit one elsewhere. Without a desktop it runs on a virtual display.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

for preset in release-x86 release-x64; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$(nproc)"
done

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    exe=dist/x86/Keystead.exe loader=/usr/lib/wine/wine
    export WINEARCH=win32 WINEPREFIX="${WINEPREFIX:-$PWD/build/run-x86/wineprefix}"
else
    exe=dist/x64/Keystead.exe loader=/usr/lib/wine/wine64
    export WINEARCH=win64 WINEPREFIX="${WINEPREFIX:-$PWD/build/run-x64/wineprefix}"
fi
# A fresh prefix knows no program for .txt files, so Help and F1 would open nothing: give it
# the association that Windows has (Wine already defines "txtfile", opened by Notepad).
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" scripts/with-display.sh sh -c '
        "$1" wineboot -i >/dev/null 2>&1 || true
        "$1" reg add "HKCR\.txt" /ve /d txtfile /f >/dev/null 2>&1
        wineserver -w 2>/dev/null || true
    ' sh "$loader"
fi
[ -n "${DISPLAY:-}" ] || echo "No desktop: Keystead runs on a virtual display (Ctrl+C ends it)."
echo "Starting $exe (tray icon: double-left-click opens the settings, double-right-click exits)"
exec scripts/with-display.sh scripts/wine-run.sh "$exe"
