#!/bin/sh
# Fails when a Windows executable imports any DLL but kernel32, user32, gdi32, advapi32,
# shell32 and msvcrt, or (given MAX_BYTES) when it has grown past that size.
# Windows takes these six from its system folder whatever lies beside the program (they are
# KnownDLLs). Any other DLL imported (uxtheme, wtsapi32, version, ...) would be searched for
# beside the program first: a planted copy in a Downloads folder would run inside it before
# WinMain. Such DLLs are looked up at run time from the system folder instead. No OLE32.DLL
# either: a static import maps ole32, combase and rpcrt4 for the program's whole life; the
# shell wrapper loads it only around an "open". Nor COMCTL32.DLL: the toolkit loads it when a
# window first makes its controls, so that a program idling hidden in the tray never maps it.
# Usage: scripts/check-imports.sh EXE [OBJDUMP] [MAX_BYTES]
set -eu
exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
max_bytes=${3:-}
# Compared in capitals: import libraries differ in how they spell the names.
allowed="ADVAPI32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL SHELL32.DLL USER32.DLL"
status=0
# Every program imports kernel32: finding nothing means objdump could not read the file.
imports=$("$objdump" -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '[:lower:]' '[:upper:]') || true
if [ -z "$imports" ]; then
    echo "no imports read from $exe" >&2
    exit 1
fi
for dll in $imports; do
    case " $allowed " in
        *" $dll "*) echo "ok: $dll" ;;
        *) echo "not allowed (searched for beside the program): $dll" >&2; status=1 ;;
    esac
done
if [ -n "$max_bytes" ]; then
    size=$(wc -c <"$exe")
    if [ "$size" -le "$max_bytes" ]; then
        echo "ok: $size bytes (at most $max_bytes, $((max_bytes - size)) to spare)"
    else
        echo "too large: $size bytes (at most $max_bytes)" >&2
        status=1
    fi
fi
exit $status
