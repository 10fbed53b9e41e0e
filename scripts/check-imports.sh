#!/bin/sh
# Fails when a Windows executable imports anything but DLLs that every Windows has, so
# that the program needs no runtime installed beside it, or (given MAX_BYTES) when it has
# grown past that size.
# Usage: scripts/check-imports.sh EXE [OBJDUMP] [MAX_BYTES]
set -eu
exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
max_bytes=${3:-}
# Compared in capitals: import libraries differ in how they spell the names. No OLE32.DLL:
# a static import maps ole32, combase and rpcrt4 for the program's whole life; the shell
# wrapper loads it only around an "open".
allowed="ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL SHELL32.DLL USER32.DLL"
allowed="$allowed UXTHEME.DLL WTSAPI32.DLL"
status=0
for dll in $("$objdump" -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '[:lower:]' '[:upper:]'); do
    case " $allowed " in
        *" $dll "*) echo "ok: $dll" ;;
        *) echo "not a system DLL: $dll" >&2; status=1 ;;
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
