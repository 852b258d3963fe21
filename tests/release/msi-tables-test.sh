#!/usr/bin/env bash
# The installer's own tables, read with msitools, against the rules Windows Installer applies:
# a folder of the user's profile it may create is removed again (ICE64); each program's
# File.Version is the version in the program's version resource; the Add/Remove Programs link
# is the program's own web page; a build of the same version replaces the one installed while
# an older one is refused.
#   msi-tables-test.sh VERSION tallyra.msi tallyra-classic.exe tallyra-styled.exe maker_links.h
set -euo pipefail
version=$1
msi=$2
classic=$3
styled=$4
maker_links=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

failures=0
fail() {
    echo "msi-tables-test: $*" >&2
    failures=$((failures + 1))
}
# A table's rows, tab-separated, without its three header lines.
rows() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
property() { rows Property | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }

[[ $(property ProductVersion) == "$version" ]] || fail "ProductVersion $(property ProductVersion), not $version"

# RemoveFile: FileKey, Component_, FileName, DirProperty, InstallMode (2: on uninstall).
rows RemoveFile | awk -F'\t' '$3 == "" && $4 == "UserProgramsFolder" && ($5 == 2 || $5 == 3)' | grep -q . ||
    fail "no RemoveFile row removes UserProgramsFolder on uninstall (ICE64)"

# File: File, Component_, FileName, FileSize, Version, ...
for program in ClassicExe:"$classic" StyledExe:"$styled"; do
    id=${program%%:*}
    exe=${program#*:}
    resource=$("$here/../../installer/pe-file-version.sh" "$exe")
    table=$(rows File | awk -F'\t' -v id="$id" '$1 == id { print $5 }')
    [[ -n $table && $table == "$resource" ]] || fail "File.Version of $id is '$table', its version resource says $resource"
    [[ $resource == "$version.0" ]] || fail "${exe##*/} has version $resource, the build $version"
done

web_address=$(sed -n 's/.*kMakerWebAddress\[\] = "\([^"]*\)".*/\1/p' "$maker_links")
[[ -n $web_address ]] || fail "no kMakerWebAddress in $maker_links"
[[ $(property ARPURLINFOABOUT) == "$web_address" ]] ||
    fail "ARPURLINFOABOUT is '$(property ARPURLINFOABOUT)', the program's page $web_address"

# Upgrade: UpgradeCode, VersionMin, VersionMax, Language, Attributes, Remove, ActionProperty.
# The row that replaces: every version up to this one, this one included
# (msidbUpgradeAttributesVersionMaxInclusive 0x200), features migrated (0x1), not only detected.
upgrade_code=$(property UpgradeCode)
replaces=
refuses=
# Tabs are white space to read, which would run empty fields together.
while IFS='|' read -r code min max attributes action; do
    [[ $code == "$upgrade_code" ]] || continue
    if [[ -z $min && $max == "$version" ]] && ((attributes & 0x200 && attributes & 0x1 && !(attributes & 0x2))); then
        replaces=$action
    fi
    # The row that refuses: only versions above this one (VersionMin exclusive, only detected).
    if [[ $min == "$version" && -z $max ]] && ((!(attributes & 0x100) && attributes & 0x2)); then
        refuses=$action
    fi
done < <(rows Upgrade | awk -F'\t' '{ print $1 "|" $2 "|" $3 "|" $5 "|" $7 }')
[[ -n $replaces ]] || fail "no Upgrade row replaces the builds of versions up to $version inclusive"
[[ -n $refuses ]] || fail "no Upgrade row detects the newer versions only"
rows LaunchCondition | awk -F'\t' -v p="$refuses" '$1 == "NOT " p' | grep -q . ||
    fail "no launch condition refuses a downgrade"
rows InstallExecuteSequence | awk -F'\t' '$1 == "RemoveExistingProducts"' | grep -q . ||
    fail "RemoveExistingProducts is not scheduled: an upgrade would leave the old product"

((failures == 0)) || exit 1
echo "msi-tables-test: ICE64 row, file versions, Add/Remove Programs link and upgrade rows as they should be"
