#!/usr/bin/env bash
# Makes a release in OUTPUT_FOLDER: the ZIP and the MSI with both programs, their SHA256SUMS
# and the winget manifests. The programs are signed before they go into the ZIP and the MSI,
# and the MSI after it is built, when the environment supplies a certificate (installer/sign.sh);
# otherwise the release is unsigned and says so.
#   release.sh OUTPUT_FOLDER VERSION CLASSIC.exe STYLED.exe WEB_ADDRESS DOWNLOAD_URL
# DOWNLOAD_URL is the folder on the web the release's files are published in.
set -euo pipefail
output=$1
version=$2
classic=$3
styled=$4
web_address=$5
download_url=${6%/}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source=$(dirname "$here")
cmake=${CMAKE_COMMAND:-cmake}

name=tallyra-$version-windows-x64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$output"
output=$(cd "$output" && pwd)
rm -rf "$output/$name.zip" "$output/$name.msi" "$output/SHA256SUMS" "$output/winget"

# The programs, signed once, go into both packages.
mkdir "$stage/$name"
cp "$classic" "$stage/$name/tallyra-classic.exe"
cp "$styled" "$stage/$name/tallyra-styled.exe"
"$here/sign.sh" "$web_address" "$stage/$name/tallyra-classic.exe" "$stage/$name/tallyra-styled.exe"

cp "$source/README.md" "$source/LICENSE" "$stage/$name"
(cd "$stage" && "$cmake" -E tar cf "$output/$name.zip" --format=zip "$name")

"$here/build-msi.sh" "$output/$name.msi" "$version" "$stage/$name/tallyra-classic.exe" \
    "$stage/$name/tallyra-styled.exe" "$web_address"
"$here/sign.sh" "$web_address" "$output/$name.msi"

# After the signing: the manifests carry the MSI's hash, as published.
"$here/winget-manifests.sh" "$output/winget" "$version" "$output/$name.msi" "$download_url/$name.msi" \
    "$web_address"
(cd "$output" && sha256sum "$name.zip" "$name.msi" >SHA256SUMS)

if [[ -n ${TALLYRA_SIGN_CERT:-} ]]; then
    signed="signed"
else
    signed="NOT signed: no TALLYRA_SIGN_CERT and TALLYRA_SIGN_KEY"
fi
echo "release.sh: $name.zip, $name.msi ($signed), SHA256SUMS and winget/ in $output"
