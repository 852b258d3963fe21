#!/usr/bin/env bash
# Signs Windows programs and installers in place with Authenticode (osslsigncode, SHA-256),
# with the certificate and key the release environment supplies; never with any in the
# repository.
#   sign.sh WEB_ADDRESS FILE...
# WEB_ADDRESS is shown with the signature as the program's page. From the environment:
#   TALLYRA_SIGN_CERT           the code-signing certificate with any intermediate ones (PEM or DER)
#   TALLYRA_SIGN_KEY            its private key (PEM or DER)
#   TALLYRA_SIGN_PASSWORD_FILE  optional: a file holding the key's password
#   TALLYRA_TIMESTAMP_URL       optional: an RFC 3161 time-stamping server, so that the
#                               signature outlives the certificate
# Without a certificate and key it signs nothing, says so and succeeds: the release is then
# built unsigned. With only one of the two it fails.
set -euo pipefail
web_address=$1
shift

cert=${TALLYRA_SIGN_CERT:-}
key=${TALLYRA_SIGN_KEY:-}
if [[ -z $cert && -z $key ]]; then
    echo "sign.sh: no TALLYRA_SIGN_CERT and TALLYRA_SIGN_KEY: NOT signed: ${*##*/}"
    exit 0
fi
if [[ -z $cert || -z $key ]]; then
    echo "sign.sh: TALLYRA_SIGN_CERT and TALLYRA_SIGN_KEY go together; only one is set" >&2
    exit 1
fi

options=(-certs "$cert" -key "$key" -h sha256 -n Tallyra -i "$web_address")
if [[ -n ${TALLYRA_SIGN_PASSWORD_FILE:-} ]]; then
    options+=(-readpass "$TALLYRA_SIGN_PASSWORD_FILE")
fi
if [[ -n ${TALLYRA_TIMESTAMP_URL:-} ]]; then
    options+=(-ts "$TALLYRA_TIMESTAMP_URL")
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for file in "$@"; do
    rm -f "$file.signed"
    if ! osslsigncode sign "${options[@]}" -in "$file" -out "$file.signed" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$file.signed"
        echo "sign.sh: signing $file failed" >&2
        exit 1
    fi
    mv "$file.signed" "$file"
    echo "sign.sh: signed ${file##*/}${TALLYRA_TIMESTAMP_URL:+ with a time stamp from $TALLYRA_TIMESTAMP_URL}"
done
