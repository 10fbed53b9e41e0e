#!/bin/sh
# Fails when a Windows executable imports anything but DLLs that every Windows has, so
# that the program needs no runtime installed beside it.
set -eu
exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
# Compared in capitals: import libraries differ in how they spell the names.
allowed="ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL SHELL32.DLL USER32.DLL UXTHEME.DLL"
status=0
for dll in $("$objdump" -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '[:lower:]' '[:upper:]'); do
    case " $allowed " in
        *" $dll "*) echo "ok: $dll" ;;
        *) echo "not a system DLL: $dll" >&2; status=1 ;;
    esac
done
exit $status
