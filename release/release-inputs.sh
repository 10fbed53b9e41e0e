#!/bin/sh
# Writes what a release's files depend on besides the program and the sources: the release's
# time, the certificate that signs them (its hash) and the time-stamp server. Leaves FILE alone
# when nothing changed, so that the build makes the files again only when one of these did.
# Usage: release/release-inputs.sh PROJECT_ROOT FILE
set -eu
root=$1 file=$2
signer=none
if [ -n "${KEYSTEAD_SIGN_PKCS12:-}" ] && [ -f "$KEYSTEAD_SIGN_PKCS12" ]; then
    signer=$(sha256sum <"$KEYSTEAD_SIGN_PKCS12" | cut -d' ' -f1)
fi
{
    echo "SOURCE_DATE_EPOCH=$("$root/scripts/source-date-epoch.sh" "$root")"
    echo "signer=$signer"
    echo "timestamp=${KEYSTEAD_SIGN_TIMESTAMP_URL:-none}"
} >"$file.new"
if cmp -s "$file.new" "$file"; then rm "$file.new"; else mv "$file.new" "$file"; fi
