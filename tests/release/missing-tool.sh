#!/bin/sh
# A release build without one of the package's tools stops at its configure and names the
# tool, rather than leaving the package out; with every tool there it configures.
# Usage: tests/release/missing-tool.sh PROJECT_ROOT WORK PRESET
set -eu
root=$1 work=$2 preset=$3
rm -rf "$work"
failures=0
# expect WHAT OUTCOME CMAKE-ARGUMENTS...: OUTCOME "ok", or the tool the configure must name.
expect() {
    what=$1 outcome=$2
    shift 2
    code=0
    (cd "$root" && cmake --preset "$preset" -B "$work" "$@") >"$work.log" 2>&1 || code=$?
    if [ "$outcome" = ok ]; then
        [ "$code" -eq 0 ] && ok=true || ok=false
    else
        [ "$code" -ne 0 ] && grep -q "missing for the release's .msi: $outcome" "$work.log" &&
            ok=true || ok=false
    fi
    if $ok; then echo "ok: $what"; else
        echo "FAILED: $what (exit $code)" >&2
        tail -n 20 "$work.log" >&2
        failures=$((failures + 1))
    fi
}
expect "no wixl" wixl -DKEYSTEAD_WIXL=/nonexistent/wixl
expect "no faketime" faketime -UKEYSTEAD_WIXL -DKEYSTEAD_FAKETIME=/nonexistent/faketime
expect "every tool found" ok -UKEYSTEAD_FAKETIME
rm -rf "$work" "$work.log"
[ "$failures" -eq 0 ]
