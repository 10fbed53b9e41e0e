#!/bin/sh
# Takes a picture of notes on a desk of two monitors, for the README and Readme.txt. Wine has
# one monitor, so the notes' windows are placed by the program's own code on a made-up desk of
# two (800 by 600 each, side by side, the right one at 120 DPI) that one 1600 by 600 virtual
# screen holds; the picture is then cut in two at the monitors' edge and shown as two screens.
# Usage: scripts/screenshot-monitors.sh [OUTPUT.png]   (builds the 64-bit test program)
set -eu
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/monitors.png}")
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 --target note_dpi_win32_tests >/dev/null
exe=$(realpath build/windows-x64/tests/display/note_dpi_win32_tests.exe)

work=$(mktemp -d)
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export KEYSTEAD_HOLD_WINDOW_MS=15000
xvfb-run -a -s "-screen 0 1600x600x24" sh -c '
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    scripts/wine-fonts.sh /usr/lib/wine/wine64
    /usr/lib/wine/wine64 explorer /desktop=shot,1600x600 "$1" --gtest_also_run_disabled_tests \
        --gtest_filter="*ForAPicture" >/dev/null 2>&1 &
    sleep 8
    import -window root "$2"
' sh "$exe" "$work/desk.png"
# Each monitor framed, with a gap between them.
convert "$work/desk.png" -crop 800x600+0+0 +repage -bordercolor "#202020" -border 12 "$work/left.png"
convert "$work/desk.png" -crop 800x600+800+0 +repage -bordercolor "#202020" -border 12 "$work/right.png"
convert "$work/left.png" "$work/right.png" -background white -splice 24x0 +append -chop 24x0 \
    -resize 50% "$out"
echo "$out"
