#!/bin/sh
# release/checksums.sh lists exactly the files the release builds made: a build whose file is
# missing fails, naming it, and leaves no list; a file an earlier build left, or one changed
# since its build listed it, is never listed.
# Usage: tests/release/checksums-list.sh PROJECT_ROOT WORK
set -eu
sums=$1/release/checksums.sh dist=$2/dist
rm -rf "$2"
mkdir -p "$dist/x86" "$dist/x64"
failures=0
made_by() { # ARCH [FILE...]: the build of ARCH makes its four files, or only those named
    arch=$1
    shift
    [ $# -gt 0 ] || set -- "$arch/Keystead.exe" "$arch/Readme.txt" "$arch.zip" "Keystead-1.2.3-$arch.msi"
    for file in "$@"; do echo "$file, built at $(date +%N)" >"$dist/$file"; done
}
# expect WHAT ARCH EXIT LISTED: checksums.sh for ARCH exits EXIT, and SHA256SUMS lists LISTED.
expect() {
    what=$1 arch=$2 exit_code=$3 listed=$4
    code=0
    sh "$sums" "$dist" 1.2.3 "$arch" >"$dist/../out" 2>&1 || code=$?
    actual=$(cut -d' ' -f3 "$dist/SHA256SUMS" 2>/dev/null | tr '\n' ' ' | sed 's/ $//')
    if [ "$code" -ne "$exit_code" ] || [ "$actual" != "$listed" ] ||
        { [ -n "$listed" ] && ! (cd "$dist" && sha256sum -c --quiet SHA256SUMS); }; then
        echo "FAILED: $what: exit $code (not $exit_code), listed '$actual', not '$listed'" >&2
        cat "$dist/../out" >&2
        failures=$((failures + 1))
    else
        echo "ok: $what"
    fi
}
x86="x86/Keystead.exe x86/Readme.txt x86.zip Keystead-1.2.3-x86.msi"
x64="x64/Keystead.exe x64/Readme.txt x64.zip Keystead-1.2.3-x64.msi"

# An earlier build's list, its x86 program, and an earlier version's package stay behind.
made_by x64 x64/Keystead.exe x64/Readme.txt Keystead-1.2.3-x64.msi x86/Keystead.exe \
    Keystead-1.2.2-x64.msi
echo "0000  x64.zip" >"$dist/SHA256SUMS"
expect "a missing zip fails the build and leaves no list" x64 1 ""
grep -q "x64.zip" "$dist/../out" || { echo "FAILED: the missing file is not named" >&2; failures=$((failures + 1)); }
made_by x64
expect "the x64 build lists its own four files, nothing left over" x64 0 "$x64"
made_by x86
expect "the x86 build lists its files and keeps the x64 build's" x86 0 "$x86 $x64"
made_by x86 x86.zip
expect "a file changed since its build listed it drops that build's lines" x64 0 "$x64"
[ "$failures" -eq 0 ]
