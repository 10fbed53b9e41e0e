#!/bin/sh
# Measures how soon Keystead puts Caps Lock back after an accidental press, under Wine, and
# prints a table for the README. Builds the program and the benchmark first, then runs them
# in a throw-away Wine prefix (the program in a throw-away folder inside it) on a virtual
# display unless there is a desktop. The 32-bit build runs where the machine can run 32-bit
# Wine, the 64-bit one elsewhere. Takes about four minutes.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    preset=windows-x86 arch=win32
else
    preset=windows-x64 arch=win64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" --target LockKeyBench >/dev/null

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEARCH=$arch
echo "Measuring $preset under Wine (about four minutes)..." >&2
# Wine's own processes end while the display is still there.
scripts/with-display.sh sh -c 'status=0; scripts/wine-run.sh "$1" || status=$?
    wineserver -k 2>/dev/null || true; exit $status' sh "build/$preset/bench/LockKeyBench.exe"
