#!/usr/bin/env bash
# Builds the per-user installer of both editions (installer/tallyra.wxs) with wixl, from
# Debian's msitools, and completes the tables wixl leaves short.
#   build-msi.sh OUTPUT.msi VERSION CLASSIC.exe STYLED.exe WEB_ADDRESS
# VERSION is the release version (MAJOR.MINOR.PATCH); WEB_ADDRESS the program's web page, the
# link of its Add/Remove Programs entry. Every run gives the installer a new product code.
set -euo pipefail
output=$1
version=$2
classic=$3
styled=$4
web_address=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source=$(dirname "$here")

# wixl takes its sources by paths relative to where it runs: it runs in a folder of copies.
stage=$(mktemp -d)
mkdir -p "$(dirname "$output")"
output=$(cd "$(dirname "$output")" && pwd)/$(basename "$output")
trap 'rm -rf "$stage" "$output.part"' EXIT
cp "$classic" "$stage/tallyra-classic.exe"
cp "$styled" "$stage/tallyra-styled.exe"
cp "$source/resources/classic/tallyra.ico" "$source/README.md" "$source/LICENSE" "$here/tallyra.wxs" "$stage"
(cd "$stage" && wixl -a x64 -D Version="$version" -D WebAddress="$web_address" \
    -D ClassicExe=tallyra-classic.exe -D StyledExe=tallyra-styled.exe -D Icon=tallyra.ico \
    -D Readme=README.md -D Licence=LICENSE -o "$output.part" tallyra.wxs)

# The wixl of Debian 12 (msitools 0.101) knows neither File/@DefaultVersion nor
# MajorUpgrade/@AllowSameVersionUpgrades (both came with 0.102), so the two are written here.
#
# A program's File.Version is its version resource's: Windows Installer decides by it whether
# a file on disk is older, and a versioned file without one counts as unversioned.
query=()
for file in ClassicExe:tallyra-classic.exe StyledExe:tallyra-styled.exe; do
    file_version=$("$here/pe-file-version.sh" "$stage/${file#*:}")
    query+=(-q "UPDATE \`File\` SET \`Version\` = '$file_version' WHERE \`File\` = '${file%%:*}'")
done
# The row that finds the products to replace takes the same version too (VersionMax inclusive,
# msidbUpgradeAttributesVersionMaxInclusive 0x200): a rebuild of a release has a new product
# code and must replace the build installed, not install beside it. Its attributes are part of
# the row's key, so the row is written anew.
# msiinfo writes the rows of a table tab-separated, with CR LF line ends.
table() { msiinfo export "$output.part" "$1" | tr -d '\r'; }
upgrade_code=$(table Property | awk -F'\t' '$1 == "UpgradeCode" { print $2 }')
attributes=$(table Upgrade |
    awk -F'\t' '$7 == "WIX_UPGRADE_DETECTED" && $3 != "" { print $5 }')
if [[ -z $upgrade_code || -z $attributes ]]; then
    echo "build-msi.sh: wixl wrote no upgrade row to complete" >&2
    exit 1
fi
query+=(-q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'")
query+=(-q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`)
           VALUES ('$upgrade_code', '$version', $((attributes | 0x200)), 'WIX_UPGRADE_DETECTED')")
msibuild "$output.part" "${query[@]}"
mv "$output.part" "$output"
