#!/bin/sh
# Builds everything and runs every test: the portable core natively (with AddressSanitizer
# and UndefinedBehaviorSanitizer), then both Windows builds under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
for preset in native windows-x86 windows-x64; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
done

ctest --preset native
scripts/with-display.sh sh -c 'ctest --preset windows-x86 && ctest --preset windows-x64'
