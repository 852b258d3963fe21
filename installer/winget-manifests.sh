#!/usr/bin/env bash
# Writes the winget manifests of a release: the version, installer and default-locale files of
# a multi-file manifest, schema 1.28.0 (microsoft/winget-pkgs, doc/manifest/schema/1.28.0),
# for the per-user MSI. Copied to manifests/b/Brimwold/Tallyra/VERSION/ of the community
# repository, they let `winget install Brimwold.Tallyra` fetch the MSI from INSTALLER_URL.
#   winget-manifests.sh OUTPUT_FOLDER VERSION MSI INSTALLER_URL WEB_ADDRESS
set -euo pipefail
folder=$1
version=$2
msi=$3
url=$4
web_address=$5

schema=1.28.0
id=Brimwold.Tallyra
property() {
    msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' -v name="$1" '$1 == name { print $2 }'
}
product_code=$(property ProductCode)
upgrade_code=$(property UpgradeCode)
product_version=$(property ProductVersion)
sha256=$(sha256sum "$msi" | cut -d' ' -f1 | tr a-f A-F)
if [[ -z $product_code || -z $upgrade_code || $product_version != "$version" ]]; then
    echo "winget-manifests.sh: $msi is not the installer of version $version" >&2
    exit 1
fi

mkdir -p "$folder"
cat >"$folder/$id.yaml" <<YAML
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.version.$schema.schema.json

PackageIdentifier: $id
PackageVersion: $version
DefaultLocale: en-US
ManifestType: version
ManifestVersion: $schema
YAML

# The MSI replaces an installed version itself (its major upgrade), so winget runs it as an
# install; the product code and the Add/Remove Programs entry let winget find what it installed.
cat >"$folder/$id.installer.yaml" <<YAML
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.installer.$schema.schema.json

PackageIdentifier: $id
PackageVersion: $version
Platform:
- Windows.Desktop
InstallerLocale: en-US
InstallerType: msi
Scope: user
InstallModes:
- interactive
- silent
- silentWithProgress
UpgradeBehavior: install
ProductCode: '$product_code'
AppsAndFeaturesEntries:
- DisplayName: Tallyra
  Publisher: Brimwold
  DisplayVersion: $product_version
  ProductCode: '$product_code'
  UpgradeCode: '$upgrade_code'
  InstallerType: msi
Installers:
- Architecture: x64
  InstallerUrl: $url
  InstallerSha256: $sha256
ManifestType: installer
ManifestVersion: $schema
YAML

cat >"$folder/$id.locale.en-US.yaml" <<YAML
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.defaultLocale.$schema.schema.json

PackageIdentifier: $id
PackageVersion: $version
PackageLocale: en-US
Publisher: Brimwold
PublisherUrl: $web_address
PackageName: Tallyra
PackageUrl: $web_address
License: MIT
ShortDescription: A small, fast desktop calculator in two editions, with a loan calculator.
Moniker: tallyra
Tags:
- calculator
ManifestType: defaultLocale
ManifestVersion: $schema
YAML
