#!/bin/sh
# Takes a picture of the settings window as a user sees it: the program runs in Wine's own
# desktop (with window frames, a taskbar and the notification area) on a virtual display,
# from an empty folder, so that it opens its settings window as on a first run.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (builds the 64-bit program first if needed)
set -eu
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshot.png}")
exe=dist/x64/Keystead.exe
if [ ! -f "$exe" ]; then
    cmake --preset release-x64 >/dev/null
    cmake --build --preset release-x64 >/dev/null
fi

work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$exe" "$work/Keystead.exe"
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb-run -a -s "-screen 0 800x600x24" sh -c '
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    /usr/lib/wine/wine64 explorer /desktop=shot,800x600 "$1" >/dev/null 2>&1 &
    sleep 8
    import -window root "$2"
' sh "$work/Keystead.exe" "$out"
echo "$out"
