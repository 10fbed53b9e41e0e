#!/bin/sh
# Builds everything and runs every test: the portable core natively (with AddressSanitizer
# and UndefinedBehaviorSanitizer), the size and imports of the programs users download
# (the release builds, which fill dist/), then both Windows test builds under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
for preset in native release-x86 release-x64 windows-x86 windows-x64; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
done

ctest --preset native
ctest --preset release-x86
ctest --preset release-x64
scripts/with-display.sh sh -c 'ctest --preset windows-x86 && ctest --preset windows-x64'
