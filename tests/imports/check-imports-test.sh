#!/bin/sh
# The import check accepts a program that imports only the allowed DLLs, and refuses one
# that also imports uxtheme and wtsapi32, naming each.
# Usage: check-imports-test.sh CHECK OBJDUMP ALLOWED_EXE PLANTABLE_EXE
set -u
check=$1 objdump=$2 allowed=$3 plantable=$4
status=0
if ! "$check" "$allowed" "$objdump" >/dev/null; then
    echo "FAIL: refused $allowed"
    status=1
fi
if output=$("$check" "$plantable" "$objdump" 2>&1); then
    echo "FAIL: accepted $plantable"
    status=1
fi
for dll in UXTHEME.DLL WTSAPI32.DLL; do
    if ! printf '%s\n' "$output" | grep -q "not allowed.*$dll"; then
        echo "FAIL: $dll not named in: $output"
        status=1
    fi
done
if "$check" "$plantable.missing" "$objdump" >/dev/null 2>&1; then
    echo "FAIL: accepted a file that does not exist"
    status=1
fi
exit $status
