#!/bin/sh
# Signs the release in the two folders tests/release/two-builds.sh left, with a throw-away
# self-signed code-signing certificate, by building them again with the certificate given to
# scripts/sign.sh. Checks with osslsigncode that both programs and both packages carry a valid
# signature from that certificate (trusted here, so the chain is aside), that the zips and
# packages hold the signed program, that the checksums match, that the two signed releases are
# still byte-identical, that both programs stay within the size limit, and that the signed
# 64-bit program starts and holds Caps Lock under 64-bit Wine (needs a display). Leaves the
# signed release for tests/release/signed-under-wine.sh x86.
# Usage: tests/release/signed-release.sh PROJECT_ROOT WORK PROBE MAX_BYTES
#   PROBE: HoldsCapsLockOff.exe, which runs a Keystead.exe and exits 0 when it holds Caps Lock
set -eu
root=$(cd "$1" && pwd) work=$2 probe=$3 max_bytes=$4
first=$work/first second=$work/second-folder
jobs=${KEYSTEAD_TEST_JOBS:-$(nproc)}
SOURCE_DATE_EPOCH=$("$root/scripts/source-date-epoch.sh" "$root")
export SOURCE_DATE_EPOCH
keys=$work/keys
rm -rf "$keys"
mkdir -p "$keys"
signer="Keystead throw-away test signer"

failures=0
check() {
    what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}

# A password that would show in a process list, were it ever put on a command line.
KEYSTEAD_SIGN_PASSWORD="throw-away-$$-password"
KEYSTEAD_SIGN_PKCS12=$keys/signer.p12
export KEYSTEAD_SIGN_PASSWORD KEYSTEAD_SIGN_PKCS12
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$signer" \
    -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
    -keyout "$keys/signer.key" -out "$keys/signer.pem" 2>/dev/null
openssl pkcs12 -export -in "$keys/signer.pem" -inkey "$keys/signer.key" \
    -passout env:KEYSTEAD_SIGN_PASSWORD -out "$KEYSTEAD_SIGN_PKCS12"

# Only the packaging runs again: the certificate is new, the programs are not.
for folder in "$first" "$second"; do
    for preset in release-x86 release-x64; do
        if ! (cd "$folder" &&
            cmake --build --preset "$preset" -j "$jobs" --target keystead_checksums) \
            >"$folder/$preset-signed.log" 2>&1; then
            tail -n 40 "$folder/$preset-signed.log"
            echo "FAILED: the signed $preset build in $folder" >&2
            exit 1
        fi
    done
done
check "the password shows in no build log (no command line carried it)" \
    sh -c '! grep -rqF "$1" "$2"/*/release-*-signed.log' - "$KEYSTEAD_SIGN_PASSWORD" "$work"

dist=$first/dist
version=$(sed -n 's/^project(Keystead VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")
signed_by_throw_away_certificate() {
    osslsigncode verify -CAfile "$keys/signer.pem" -in "$1" >"$keys/verify.log" 2>&1 &&
        grep -q "Signature verification: ok" "$keys/verify.log" &&
        grep -q "Subject: /CN=$signer" "$keys/verify.log" &&
        grep -q "Text description: Tarvine Keystead" "$keys/verify.log" &&
        grep -q "URL description: http://tarvine.example/" "$keys/verify.log" &&
        grep -Eq "Message digest algorithm *: SHA256" "$keys/verify.log" ||
        { cat "$keys/verify.log" >&2; return 1; }
}
holds_signed_program() {
    mkdir -p "$keys/unpacked"
    msiextract -C "$keys/unpacked" "$dist/Keystead-$version-$2.msi" >/dev/null &&
        cmp "$(find "$keys/unpacked" -name Keystead.exe)" "$dist/$2/Keystead.exe" &&
        unzip -p "$dist/$2.zip" Keystead.exe | cmp - "$dist/$2/Keystead.exe"
}
for arch in x86 x64; do
    check "dist/$arch/Keystead.exe is signed by the throw-away certificate" \
        signed_by_throw_away_certificate "$dist/$arch/Keystead.exe"
    check "dist/Keystead-$version-$arch.msi is signed by the throw-away certificate" \
        signed_by_throw_away_certificate "$dist/Keystead-$version-$arch.msi"
    check "the $arch zip and package hold the signed program" holds_signed_program "$dist" "$arch"
    rm -rf "$keys/unpacked"
    check "the signed $arch program without its signature is the unsigned one" sh -c \
        'osslsigncode remove-signature -in "$1" -out "$2" >/dev/null && cmp "$2" "$3"' - \
        "$dist/$arch/Keystead.exe" "$keys/$arch-unsigned.exe" "$work/unsigned/$arch/Keystead.exe"
    check "the signed $arch program is at most $max_bytes bytes" \
        test "$(wc -c <"$dist/$arch/Keystead.exe")" -le "$max_bytes"
done
check "sha256sum -c SHA256SUMS passes" sh -c 'cd "$1" && sha256sum -c --quiet SHA256SUMS' - "$dist"
check "the two signed releases are byte-identical" diff -r "$dist" "$second/dist"

# The signed 64-bit program under Wine (the 32-bit one: keystead_release_signed_x86_under_wine).
check "the signed program starts and holds Caps Lock off under Wine" \
    "$(dirname "$0")/signed-under-wine.sh" "$work" "$probe" x64
[ "$failures" -eq 0 ]
