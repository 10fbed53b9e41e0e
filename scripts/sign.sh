#!/bin/sh
# Signs Keystead's programs and packages (.exe, .msi) with Authenticode: SHA-256, the product's
# name and web address (from product/Product.h), and the release's time (scripts/source-date-epoch.sh)
# as the signing time, so that the same key gives the same signed bytes. The certificate:
#   KEYSTEAD_SIGN_PKCS12         a PKCS#12 file (.pfx, .p12) with the certificate and its key
#   KEYSTEAD_SIGN_PASSWORD       its password; osslsigncode reads it from a pipe, so it never
#                                stands on a command line that other users can list
#   KEYSTEAD_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server (or --timestamp-url URL);
#                                without one the signatures carry no time stamp
# Without KEYSTEAD_SIGN_PKCS12 it says so and leaves the files as they are. Each file is
# replaced only once it is signed.
# Usage: scripts/sign.sh [--timestamp-url URL] FILE...
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
timestamp_url=${KEYSTEAD_SIGN_TIMESTAMP_URL:-}
if [ "${1:-}" = --timestamp-url ]; then
    timestamp_url=$2
    shift 2
fi
[ $# -gt 0 ] || { echo "usage: scripts/sign.sh [--timestamp-url URL] FILE..." >&2; exit 2; }

if [ -z "${KEYSTEAD_SIGN_PKCS12:-}" ]; then
    echo "not signed (no KEYSTEAD_SIGN_PKCS12 given): $*"
    exit 0
fi
[ -f "$KEYSTEAD_SIGN_PKCS12" ] || { echo "no certificate file $KEYSTEAD_SIGN_PKCS12" >&2; exit 1; }
if [ -z "${KEYSTEAD_SIGN_PASSWORD+set}" ]; then
    echo "KEYSTEAD_SIGN_PKCS12 is given but KEYSTEAD_SIGN_PASSWORD is not" >&2
    exit 1
fi

# The name and the address as the program itself says them.
define() { sed -n "s/^#define $1 \"\(.*\)\"\$/\1/p" "$root/product/Product.h"; }
name=$(define KEYSTEAD_PRODUCT_NAME)
url=$(define KEYSTEAD_WEB_ADDRESS)
[ -n "$name" ] && [ -n "$url" ] || { echo "no product name or web address in product/Product.h" >&2; exit 1; }
epoch=$("$root/scripts/source-date-epoch.sh" "$root")
timestamp_option=${timestamp_url:+-ts $timestamp_url}

for file in "$@"; do
    signed="$file.signing"
    rm -f "$signed"
    # osslsigncode overwrites an earlier signature. It takes the password up to the line's
    # end, and refuses an empty file: a key without a password is an empty line.
    # shellcheck disable=SC2086
    if ! printf '%s\n' "$KEYSTEAD_SIGN_PASSWORD" | osslsigncode sign -pkcs12 "$KEYSTEAD_SIGN_PKCS12" \
        -readpass /dev/stdin -h sha256 -n "$name" -i "$url" -time "$epoch" \
        $timestamp_option \
        -in "$file" -out "$signed" >"$signed.log" 2>&1; then
        cat "$signed.log" >&2
        rm -f "$signed" "$signed.log"
        echo "signing $file failed" >&2
        exit 1
    fi
    rm -f "$signed.log"
    chmod --reference="$file" "$signed"
    mv "$signed" "$file"
    echo "signed: $file${timestamp_url:+ (time-stamped by $timestamp_url)}"
done
