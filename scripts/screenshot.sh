#!/bin/sh
# Takes a picture of the settings window as a user sees it: the program runs in Wine's own
# desktop (with window frames, a taskbar and the notification area) on a virtual display,
# from an empty folder, so that it opens its settings window as on a first run.
# With "note" after the file name, Keystead starts with notes and the keys in the tray icon
# switched on, Notepad has the focus, and Caps Lock is pressed there: the picture shows the
# note that Keystead put the key back, over the letters typed after it.
# With "display", Keystead starts with /display and some notes and a sound chosen: the picture
# shows the lock-key display window, in the language given after it, if any.
# With "programs", Keystead starts with /programs and a few programs listed: the picture shows
# the programs window, the first program selected.
# With "settings" and a language tag after it (as `Language=` in [main] takes it), the settings
# window speaks that language: Keystead starts with the language chosen, then a second start
# with /settings opens the window.
# Usage: scripts/screenshot.sh [OUTPUT.png [note|display|programs|settings [LANGUAGE]]]
#        (builds the 64-bit program if needed)
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
mode=${2:-settings}
language=${3:-}
if [ "$mode" = note ]; then
    printf '[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\n[display]\r\nShowKeys=1\r\nCapsLockNote=1\r\nNumLockNote=2\r\nNoteTime=10000\r\n' \
        >"$work/Keystead.ini"
elif [ "$mode" = display ]; then
    printf '[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nLanguage=%s\r\n[display]\r\nShowKeys=1\r\nCapsLockNote=1\r\nNumLockNote=2\r\nCapsLockSound=1\r\nNoteMonitor=1\r\n' \
        "$language" >"$work/Keystead.ini"
    language=  # the window opens with the program: no second start
elif [ "$mode" = programs ]; then
    printf '[main]\r\nCapsLock=0\r\nNumLock=1\r\nScrollLock=0\r\nLanguage=%s\r\n[pause]\r\nPrograms=game.exe\r\nFullScreen=1\r\n[programs]\r\nexcel.exe=,1,\r\nputty.exe=2,,\r\n' \
        "$language" >"$work/Keystead.ini"
    language=
elif [ -n "$language" ]; then
    printf '[main]\r\nCapsLock=0\r\nNumLock=2\r\nScrollLock=2\r\nLanguage=%s\r\n' "$language" \
        >"$work/Keystead.ini"
fi
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb-run -a -s "-screen 0 800x600x24" sh -c '
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    scripts/wine-fonts.sh /usr/lib/wine/wine64
    if [ "$3" = display ] || [ "$3" = programs ]; then
        /usr/lib/wine/wine64 explorer /desktop=shot,800x600 "$1" "/$3" >/dev/null 2>&1 &
    else
        /usr/lib/wine/wine64 explorer /desktop=shot,800x600 "$1" >/dev/null 2>&1 &
    fi
    sleep 8
    if [ -n "$4" ]; then
        /usr/lib/wine/wine64 explorer /desktop=shot,800x600 "$1" /settings >/dev/null 2>&1 &
        sleep 3
    fi
    if [ "$3" = note ]; then
        /usr/lib/wine/wine64 explorer /desktop=shot,800x600 notepad >/dev/null 2>&1 &
        sleep 4
        xdotool type --delay 50 "Typed with Caps Lock held off: "
        xdotool key Caps_Lock
        sleep 0.3
        xdotool type --delay 50 "abc"
        sleep 0.5
    fi
    import -window root "$2"
' sh "$work/Keystead.exe" "$out" "$mode" "$language"
echo "$out"
