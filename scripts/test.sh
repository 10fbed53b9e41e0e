#!/bin/sh
# Builds everything and runs every test: the portable core natively (with AddressSanitizer
# and UndefinedBehaviorSanitizer), both Windows test builds under Wine, and the release builds
# (which fill dist/): their size and imports, the end-to-end suites on the program users
# download, its Windows Installer package under Wine, the policy definitions and the winget
# manifests.
#
# Every stage runs whatever the one before did, and the run ends with a summary of them all
# (scripts/test-stage.py); its logs and JUnit files are in build/test-logs/.
# KEYSTEAD_PRESETS="native windows-x64" builds and tests only those presets.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# The compiler cache hits across clones and build folders only with paths taken relative to
# the project's root (CMakeLists.txt compiles through ccache).
CCACHE_BASEDIR=$(pwd)
CCACHE_NOHASHDIR=1
export CCACHE_BASEDIR CCACHE_NOHASHDIR

started=$(date +%s)
# A run that takes longer has something hung or far too slow in it, and CI stops at 90.
budget=${KEYSTEAD_TEST_BUDGET:-3600}
presets=${KEYSTEAD_PRESETS:-native windows-x86 windows-x64 release-x86 release-x64}
logs=build/test-logs
rm -rf "$logs"
mkdir -p "$logs"

# The test builds first: the release builds' tests run their end-to-end suites on dist/.
for preset in $presets; do
    scripts/test-stage.py build "$logs" "$preset" || true
done
for preset in $presets; do
    case $preset in
    native) scripts/test-stage.py test "$logs" "$preset" || true ;;
    # Wine needs a display, even for the release tests, which start the program.
    *) scripts/with-display.sh scripts/test-stage.py test "$logs" "$preset" || true ;;
    esac
    # The end-to-end suites run once per architecture, in the release tests on the program
    # users download; without that build, on the test build's own program.
    case $preset in
    windows-x86 | windows-x64)
        case " $presets " in
        *" release-${preset#windows-} "*) ;;
        *) scripts/with-display.sh scripts/test-stage.py test "$logs" "$preset-e2e" || true ;;
        esac
        ;;
    esac
done
exec scripts/test-stage.py summary "$logs" "$started" "$budget"
