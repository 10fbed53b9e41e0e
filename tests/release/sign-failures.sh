#!/bin/sh
# scripts/sign.sh fails without a password, without the certificate's file, and when the
# signature fails, and then leaves the output folder as it found it: the program still
# unsigned under its build name, nothing under another name. With the password it signs.
# Usage: tests/release/sign-failures.sh PROJECT_ROOT WORK EXE
set -eu
sign=$1/scripts/sign.sh work=$2 exe=$3
rm -rf "$work"
mkdir -p "$work/out" "$work/bin"
keys=$work/keys
mkdir -p "$keys"
# A key without a password: only the missing KEYSTEAD_SIGN_PASSWORD stands in the way.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Keystead sign test" \
    -keyout "$keys/key.pem" -out "$keys/cert.pem" 2>/dev/null
openssl pkcs12 -export -in "$keys/cert.pem" -inkey "$keys/key.pem" -passout pass: \
    -out "$keys/good.p12"
head -c 600 /dev/urandom >"$keys/corrupt.p12"
# An osslsigncode that has written half its output when it fails.
cat >"$work/bin/osslsigncode" <<'EOF'
#!/bin/sh
while [ $# -gt 0 ]; do
    if [ "$1" = -out ]; then echo half >"$2"; fi
    shift
done
exit 1
EOF
chmod +x "$work/bin/osslsigncode"

failures=0
# expect WHAT OUTCOME PKCS12 PASSWORD|- PATH: OUTCOME "fails" or "signs"; "-" leaves the
# password unset.
expect() {
    what=$1 outcome=$2
    rm -rf "$work/out"/* "$work/out"/.[!.]*
    cp "$exe" "$work/out/Keystead.exe.partial"
    code=0
    if [ "$4" = - ]; then
        (unset KEYSTEAD_SIGN_PASSWORD && KEYSTEAD_SIGN_PKCS12=$3 PATH=$5 \
            sh "$sign" "$work/out/Keystead.exe.partial") >"$work/log" 2>&1 || code=$?
    else
        KEYSTEAD_SIGN_PKCS12=$3 KEYSTEAD_SIGN_PASSWORD=$4 PATH=$5 \
            sh "$sign" "$work/out/Keystead.exe.partial" >"$work/log" 2>&1 || code=$?
    fi
    left=$(cd "$work/out" && ls -A | tr '\n' ' ')
    ok=true
    if [ "$outcome" = fails ]; then
        [ "$code" -ne 0 ] && [ "$left" = "Keystead.exe.partial " ] &&
            cmp -s "$exe" "$work/out/Keystead.exe.partial" || ok=false
    else
        [ "$code" -eq 0 ] && [ "$left" = "Keystead.exe.partial " ] &&
            osslsigncode verify -CAfile "$keys/cert.pem" -in "$work/out/Keystead.exe.partial" \
                >>"$work/log" 2>&1 || ok=false
    fi
    if $ok; then echo "ok: $what"; else
        echo "FAILED: $what: exit $code, left in the folder: $left" >&2
        cat "$work/log" >&2
        failures=$((failures + 1))
    fi
}
unset KEYSTEAD_SIGN_TIMESTAMP_URL
expect "no password" fails "$keys/good.p12" - "$PATH"
expect "no certificate file" fails "$keys/none.p12" "" "$PATH"
expect "a corrupt certificate file" fails "$keys/corrupt.p12" "" "$PATH"
expect "osslsigncode failing half-way" fails "$keys/good.p12" "" "$work/bin:$PATH"
expect "the right password" signs "$keys/good.p12" "" "$PATH"
[ "$failures" -eq 0 ]
