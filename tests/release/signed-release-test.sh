#!/usr/bin/env bash
# A release signed with a throwaway self-signed certificate made here (never one of the
# repository's): both programs and the MSI carry a SHA-256 Authenticode signature that
# osslsigncode verifies against that certificate, the MSI holds the signed programs, a
# time-stamping server that cannot be reached fails the signing, and half a signing
# configuration is refused. The release stays in OUTPUT_FOLDER for the tests that follow.
#   signed-release-test.sh OUTPUT_FOLDER VERSION tallyra-classic.exe tallyra-styled.exe WEB_ADDRESS DOWNLOAD_URL
set -euo pipefail
output=$1
version=$2
classic=$3
styled=$4
web_address=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
installer=$here/../../installer

fail() {
    echo "signed-release-test: $*" >&2
    exit 1
}
name=tallyra-$version-windows-x64
rm -rf "$output"
mkdir -p "$output/signer"
signer=$output/signer
# Code signing wants the digital-signature key usage and the code-signing extended key usage;
# newer osslsigncode checks both.
openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 2 -keyout "$signer/key.pem" -out "$signer/cert.pem" \
    -subj "/CN=Tallyra test signer/O=Brimwold" -addext "keyUsage=critical,digitalSignature" \
    -addext "extendedKeyUsage=codeSigning" >/dev/null 2>&1 || fail "openssl made no certificate"

export TALLYRA_SIGN_CERT=$signer/cert.pem TALLYRA_SIGN_KEY=$signer/key.pem
unset TALLYRA_SIGN_PASSWORD_FILE TALLYRA_TIMESTAMP_URL
log=$("$installer/release.sh" "$output/release" "$version" "$classic" "$styled" "$web_address" "$6") ||
    fail "the signed release was not made: $log"
for file in tallyra-classic.exe tallyra-styled.exe "$name.msi"; do
    grep -q "sign.sh: signed $file" <<<"$log" || fail "$file was not signed: $log"
done
grep -q "$name.msi (signed)" <<<"$log" || fail "its last word does not say it is signed: $log"

release=$output/release
mkdir "$release/unpacked"
(cd "$release/unpacked" && cmake -E tar xf "../$name.zip")
for file in "unpacked/$name/tallyra-classic.exe" "unpacked/$name/tallyra-styled.exe" "$name.msi"; do
    osslsigncode verify -in "$release/$file" -CAfile "$signer/cert.pem" >"$output/verify.log" 2>&1 ||
        { cat "$output/verify.log" >&2; fail "the signature of $file does not verify"; }
    grep -q "Subject: /CN=Tallyra test signer/O=Brimwold" "$output/verify.log" || fail "$file is not signed by the test signer"
    grep -qi "digest algorithm *: SHA256" "$output/verify.log" || fail "$file is not signed with SHA-256"
done
# The MSI's programs are the signed ones: its file table has their sizes, not the built ones'.
for program in ClassicExe:tallyra-classic.exe:"$classic" StyledExe:tallyra-styled.exe:"$styled"; do
    IFS=: read -r id file built <<<"$program"
    size=$(msiinfo export "$release/$name.msi" File | tr -d '\r' | awk -F'\t' -v id="$id" '$1 == id { print $4 }')
    signed_size=$(stat -c %s "$release/unpacked/$name/$file")
    ((signed_size > $(stat -c %s "$built"))) || fail "$file in the ZIP is no larger than unsigned"
    [[ $size == "$signed_size" ]] || fail "the MSI holds a $file of $size bytes, the signed one has $signed_size"
done

# With a time-stamping server the signature must carry its time stamp: one that cannot be
# reached fails the signing rather than leaving the stamp out.
cp "$classic" "$output/stamped.exe"
if TALLYRA_TIMESTAMP_URL=http://127.0.0.1:9/ "$installer/sign.sh" "$web_address" "$output/stamped.exe" \
    >"$output/stamp.log" 2>&1; then
    fail "signing went on without the time stamp it was told to get"
fi
cmp -s "$classic" "$output/stamped.exe" || fail "a failed signing changed the program"
if env -u TALLYRA_SIGN_KEY "$installer/sign.sh" "$web_address" "$output/stamped.exe" >"$output/half.log" 2>&1; then
    fail "a certificate without its key was taken as no signing at all"
fi
echo "signed-release-test: both programs and the installer signed and verified"
