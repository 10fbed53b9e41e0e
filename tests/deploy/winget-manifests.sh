#!/bin/sh
# Makes the winget manifests of this release from dist/ and checks them. Needs the files of
# both release builds and the schemas in shared/ beside the project; without the 32-bit files or
# the schemas (a plain clone has no shared/) it reports itself skipped (exit 77).
# Usage: winget-manifests.sh PROJECT_ROOT VERSION OUT X86_PRODUCT_CODE X64_PRODUCT_CODE
set -eu
root=$1 version=$2 out=$3 x86_code=$4 x64_code=$5
dist=$root/dist
if [ ! -f "$dist/Keystead-$version-x86.msi" ] || [ ! -f "$dist/x86.zip" ]; then
    echo "SKIPPED: no 32-bit release files in $dist (build the release-x86 preset first)"
    exit 77
fi
schemas=$root/../shared/schemas/winget
if [ ! -d "$schemas" ]; then
    echo "SKIPPED: no winget schemas in $schemas (they come with shared/ beside the project)"
    exit 77
fi
rm -rf "$out"
python3 "$root/deploy/winget/make-manifests.py" --version "$version" --dist "$dist" --out "$out"
# The project's own download folder, never a package registry's.
python3 "$root/tests/deploy/check_winget_manifests.py" "$out" "$schemas" \
    "$dist" https://downloads.tarvine.example/keystead "$version" \
    "x86={$x86_code}" "x64={$x64_code}"
