#!/usr/bin/env bash
# A release made without a certificate in the environment: built all the same, from the
# programs as they were built, and saying that it is not signed.
#   unsigned-release-test.sh OUTPUT_FOLDER VERSION tallyra-classic.exe tallyra-styled.exe WEB_ADDRESS DOWNLOAD_URL
set -euo pipefail
output=$1
version=$2
classic=$3
styled=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

fail() {
    echo "unsigned-release-test: $*" >&2
    exit 1
}
name=tallyra-$version-windows-x64
rm -rf "$output"
log=$(env -u TALLYRA_SIGN_CERT -u TALLYRA_SIGN_KEY -u TALLYRA_SIGN_PASSWORD_FILE -u TALLYRA_TIMESTAMP_URL \
    "$here/../../installer/release.sh" "$output" "$version" "$classic" "$styled" "$5" "$6") ||
    fail "the release was not made: $log"
grep -q "NOT signed: tallyra-classic.exe tallyra-styled.exe" <<<"$log" || fail "it does not say the programs are unsigned: $log"
grep -q "NOT signed: $name.msi" <<<"$log" || fail "it does not say the installer is unsigned: $log"
grep -q "$name.msi (NOT signed" <<<"$log" || fail "its last word does not say it is unsigned: $log"

for file in "$name.zip" "$name.msi" SHA256SUMS winget/Brimwold.Tallyra.yaml; do
    [[ -s $output/$file ]] || fail "no $file"
done
(cd "$output" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
mkdir "$output/unpacked"
(cd "$output/unpacked" && cmake -E tar xf "../$name.zip")
for file in tallyra-classic.exe tallyra-styled.exe README.md LICENSE; do
    [[ -f $output/unpacked/$name/$file ]] || fail "the ZIP has no $name/$file"
done
cmp -s "$classic" "$output/unpacked/$name/tallyra-classic.exe" || fail "the ZIP's Classic program is not the one built"
cmp -s "$styled" "$output/unpacked/$name/tallyra-styled.exe" || fail "the ZIP's Styled program is not the one built"
# A signed MSI keeps its signature in the stream \005DigitalSignature.
if msiinfo streams "$output/$name.msi" | grep -q DigitalSignature; then
    fail "the installer carries a signature"
fi
echo "unsigned-release-test: made unsigned, and says so"
