#!/usr/bin/env bash
# The winget manifests of a release against the files they describe: the three files of a
# multi-file manifest of schema 1.28.0 with the fields it requires, all of one package and
# version, and an installer entry whose hash, product code, upgrade code, version, type and
# scope are those of the MSI as published (after signing), at its address.
#   winget-manifest-test.sh RELEASE_FOLDER VERSION DOWNLOAD_URL
set -euo pipefail
release=$1
version=$2
download_url=${3%/}

failures=0
fail() {
    echo "winget-manifest-test: $*" >&2
    failures=$((failures + 1))
}
msi=$release/tallyra-$version-windows-x64.msi
id=Brimwold.Tallyra
schema=1.28.0
version_file=$release/winget/$id.yaml
installer_file=$release/winget/$id.installer.yaml
locale_file=$release/winget/$id.locale.en-US.yaml
for file in "$msi" "$version_file" "$installer_file" "$locale_file"; do
    [[ -s $file ]] || { echo "winget-manifest-test: no $file" >&2; exit 1; }
done

# The value of a top-level key, or of the first one of that name indented under a list item.
field() { sed -n "s/^[- ]*$2: *//p" "$1" | head -n 1 | sed "s/^'\(.*\)'\$/\1/"; }
property() { msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }

for file in "$version_file" "$installer_file" "$locale_file"; do
    type=$(field "$file" ManifestType)
    [[ $(field "$file" ManifestVersion) == "$schema" ]] || fail "${file##*/}: ManifestVersion $(field "$file" ManifestVersion)"
    head -n 1 "$file" | grep -qx "# yaml-language-server: \\\$schema=https://aka.ms/winget-manifest.$type.$schema.schema.json" ||
        fail "${file##*/}: no schema line for a $type manifest"
    [[ $(field "$file" PackageIdentifier) == "$id" ]] || fail "${file##*/}: PackageIdentifier $(field "$file" PackageIdentifier)"
    [[ $(field "$file" PackageVersion) == "$version" ]] || fail "${file##*/}: PackageVersion $(field "$file" PackageVersion)"
    if grep -q $'\t' "$file"; then fail "${file##*/}: YAML allows no tabs"; fi
done
[[ $(field "$version_file" ManifestType) == version ]] || fail "$id.yaml is not the version manifest"
[[ $(field "$installer_file" ManifestType) == installer ]] || fail "the installer manifest is of type $(field "$installer_file" ManifestType)"
[[ $(field "$locale_file" ManifestType) == defaultLocale ]] || fail "the locale manifest is of type $(field "$locale_file" ManifestType)"
[[ $(field "$version_file" DefaultLocale) == "$(field "$locale_file" PackageLocale)" ]] ||
    fail "the version manifest's DefaultLocale is not the locale manifest's"
for key in Publisher PackageName License ShortDescription; do
    [[ -n $(field "$locale_file" $key) ]] || fail "the locale manifest lacks its required $key"
done

sha256=$(sha256sum "$msi" | cut -d' ' -f1)
[[ $(field "$installer_file" InstallerSha256) == "${sha256^^}" ]] ||
    fail "InstallerSha256 $(field "$installer_file" InstallerSha256), the MSI's is ${sha256^^}"
[[ $(field "$installer_file" InstallerUrl) == "$download_url/${msi##*/}" ]] ||
    fail "InstallerUrl $(field "$installer_file" InstallerUrl), not $download_url/${msi##*/}"
[[ $(field "$installer_file" ProductCode) == "$(property ProductCode)" ]] ||
    fail "ProductCode $(field "$installer_file" ProductCode), the MSI's is $(property ProductCode)"
[[ $(field "$installer_file" UpgradeCode) == "$(property UpgradeCode)" ]] ||
    fail "UpgradeCode $(field "$installer_file" UpgradeCode), the MSI's is $(property UpgradeCode)"
[[ $(field "$installer_file" DisplayVersion) == "$(property ProductVersion)" ]] ||
    fail "DisplayVersion $(field "$installer_file" DisplayVersion), the MSI's is $(property ProductVersion)"
[[ $(field "$installer_file" InstallerType) == msi ]] || fail "InstallerType $(field "$installer_file" InstallerType)"
[[ $(field "$installer_file" Scope) == user ]] || fail "Scope $(field "$installer_file" Scope), the MSI installs per user"
[[ $(field "$installer_file" Architecture) == x64 ]] || fail "Architecture $(field "$installer_file" Architecture)"
[[ $(field "$installer_file" UpgradeBehavior) == install ]] ||
    fail "UpgradeBehavior $(field "$installer_file" UpgradeBehavior): the MSI replaces the installed version itself"

((failures == 0)) || exit 1
echo "winget-manifest-test: the manifests describe the published MSI"
