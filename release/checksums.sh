#!/bin/sh
# Writes DIST/SHA256SUMS, in the format `sha256sum -c` reads, over every file users download
# that the release builds have put in DIST: each program with its read-me, each zip and each
# package of this version. Run last, after signing. Rewrites the file only when it changes.
# Usage: release/checksums.sh DIST VERSION
set -eu
dist=$1 version=$2
cd "$dist"
files=""
for arch in x86 x64; do
    for file in "$arch/Keystead.exe" "$arch/Readme.txt" "$arch.zip" "Keystead-$version-$arch.msi"; do
        if [ -f "$file" ]; then files="$files $file"; fi
    done
done
[ -n "$files" ] || { echo "no release files in $dist" >&2; exit 1; }
# shellcheck disable=SC2086
sha256sum $files >SHA256SUMS.partial.$$
if cmp -s SHA256SUMS.partial.$$ SHA256SUMS; then
    rm SHA256SUMS.partial.$$
else
    mv SHA256SUMS.partial.$$ SHA256SUMS
fi
