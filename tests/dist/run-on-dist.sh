#!/bin/sh
# Runs one end-to-end suite of a test build under Wine against another Keystead.exe (the one
# users download), in a Wine prefix of its own. Needs a display (scripts/with-display.sh).
# Usage: run-on-dist.sh SUITE.exe KEYSTEAD.exe WINEPREFIX [SUITE ARGUMENTS...]
set -eu
suite=$1 program=$2
export WINEPREFIX=$3
shift 3
if [ ! -f "$suite" ]; then
    echo "SKIPPED: $suite is missing: build the matching windows-x64/x86 preset first" >&2
    exit 77
fi
if [ ! -f "$program" ]; then
    echo "$program is missing" >&2
    exit 1
fi
# The suites copy the program named here into folders of their own and start it there.
export KEYSTEAD_EXE_UNDER_TEST="$program"
exec "$(dirname "$0")/../../scripts/wine-run.sh" "$suite" "$@"
