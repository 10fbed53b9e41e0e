#!/bin/sh
# Starts a signed program tests/release/signed-release.sh left in WORK/first/dist under 64-bit
# Wine, from a folder of its own, in a throw-away prefix, and fails unless it holds Caps Lock
# off. The 64-bit prefix starts the 32-bit program as 64-bit Windows does, through 32-bit
# Wine; where this machine cannot run that, the test reports itself skipped (exit 77).
# Usage: tests/release/signed-under-wine.sh WORK PROBE x86|x64
#   PROBE: HoldsCapsLockOff.exe, which runs a Keystead.exe and exits 0 when it holds Caps Lock
set -eu
work=$1 probe=$2 arch=$3
if [ "$arch" = x86 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "SKIPPED: 32-bit Wine cannot start the signed x86 program here (no wine32, or a" \
        "kernel without 32-bit programs)"
    exit 77
fi
export WINEPREFIX="$work/wineprefix-$arch" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
rm -rf "$WINEPREFIX" "$work/run-$arch"
mkdir -p "$work/run-$arch"
cp "$work/first/dist/$arch/Keystead.exe" "$work/run-$arch/Keystead.exe"
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
code=0
/usr/lib/wine/wine64 "$probe" "$(printf 'Z:%s' "$work/run-$arch/Keystead.exe" | tr / '\\')" ||
    code=$?
wineserver -k 2>/dev/null || true # this prefix only
rm -rf "$WINEPREFIX"                # most of a gigabyte
exit "$code"
