#!/bin/sh
# Fails when a Windows executable imports anything but DLLs that every Windows has, so
# that the program needs no runtime installed beside it.
set -eu
exe=$1
allowed="ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll SHELL32.dll USER32.dll UxTheme.dll"
status=0
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p'); do
    case " $allowed " in
        *" $dll "*) echo "ok: $dll" ;;
        *) echo "not a system DLL: $dll" >&2; status=1 ;;
    esac
done
exit $status
