#!/bin/sh
# Writes DIST/SHA256SUMS, in the format `sha256sum -c` reads, over the files users download of
# this version: each program with its read-me, each zip and each package. Run last by each
# release build (ARCH x86 or x64), after signing. This build's four files must all be there:
# one missing fails the build, and removes the old list, which no longer stands for DIST. The
# other architecture's lines stay only while all four still match their files (its own build
# wrote them); anything else in DIST, an earlier version's package say, is never listed.
# Rewrites the file only when it changes.
# Usage: release/checksums.sh DIST VERSION ARCH
set -eu
dist=$1 version=$2 arch=$3
case $arch in
    x86) other=x64 ;;
    x64) other=x86 ;;
    *) echo "usage: release/checksums.sh DIST VERSION x86|x64" >&2; exit 2 ;;
esac
files_of() { echo "$1/Keystead.exe $1/Readme.txt $1.zip Keystead-$version-$1.msi"; }
cd "$dist"
partial=SHA256SUMS.partial.$$
trap 'rm -f "$partial" "$partial.own" "$partial.other"' EXIT

missing=""
for file in $(files_of "$arch"); do
    [ -f "$file" ] || missing="$missing $file"
done
if [ -n "$missing" ]; then
    rm -f SHA256SUMS
    echo "checksums.sh: the $arch build left no$missing in $dist" >&2
    exit 1
fi

: >"$partial.other"
if [ -f SHA256SUMS ]; then
    awk -v names="$(files_of "$other")" 'BEGIN { split(names, list, " "); for (i in list) want[list[i]] = 1 }
        $2 in want' SHA256SUMS >"$partial.other"
    if [ "$(wc -l <"$partial.other")" -ne 4 ] || ! sha256sum -c --status "$partial.other"; then
        echo "checksums.sh: the $other files are not listed (build release-$other again to list them)"
        : >"$partial.other"
    fi
fi
# shellcheck disable=SC2046
sha256sum $(files_of "$arch") >"$partial.own"
if [ "$arch" = x86 ]; then
    cat "$partial.own" "$partial.other"
else
    cat "$partial.other" "$partial.own"
fi >"$partial"
if cmp -s "$partial" SHA256SUMS; then rm "$partial"; else mv "$partial" SHA256SUMS; fi
