#!/usr/bin/env bash
# The installer as a user meets it, under Wine: installed quietly over an older version, then
# with its basic interface over itself, then replaced by a rebuild of the same version (a new
# product code), each time with exactly one product in Add/Remove Programs and one copy of
# each file and shortcut; the installed Classic program computing [ 2 + 3 = ] = 5 from where
# its shortcut points; the older version refused over the newer; and an uninstall that removes
# files, shortcuts and the folders it made and keeps the user's settings.
#   msi-install-test.sh VERSION older.msi tallyra.msi rebuilt.msi e2e_tests.exe
set -euo pipefail
version=$1
older=$2
msi=$3
rebuilt=$4
driver=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [[ -z ${TALLYRA_WINE_SESSION:-} ]]; then
    source "$here/session.sh"
    trap wine_session_stop EXIT
    wine_session_start
fi

fail() {
    echo "msi-install-test: $*" >&2
    exit 1
}
msiexec() {
    timeout 300 wine msiexec "$@" </dev/null >/dev/null 2>&1
}
property() {
    msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name { print $2 }'
}
# The Windows folders of the prefix's user, as Linux paths.
unix() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
local_app_data=$(unix '%LOCALAPPDATA%')
programs=$local_app_data/Programs/Tallyra
menu=$(unix '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs/Tallyra
installer=$(unix '%APPDATA%')/Microsoft/Installer
drive_c=$(winepath -u "C:\\")
# Add/Remove Programs reads both; Windows keeps a per-user product's entry with the user,
# Wine under the machine's key.
uninstall_keys=('HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall')

# The uninstall entries of ours, one key a line; a product's key is named by its product code.
entries() {
    local root
    for root in "${uninstall_keys[@]}"; do
        timeout 60 wine reg query "$root" /s 2>/dev/null | tr -d '\r' |
            awk '/^HKEY/ { key = $0 } /DisplayName/ && /Tallyra/ { print key }'
    done
}
value() {
    timeout 60 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}
# Exactly one installed product, of this version and product code, and one copy of each file
# and shortcut anywhere on the prefix's drive (outside Windows' own folders and the temporary one,
# where other tests put copies of their own).
expect_one_installed() {
    local when=$1 expected_version=$2 product_code=$3 keys file count
    [[ -f $programs/tallyra-classic.exe && -f $programs/tallyra-styled.exe ]] || fail "$when: the programs are not in $programs"
    [[ -f $menu/Tallyra\ Classic.lnk && -f $menu/Tallyra\ Styled.lnk ]] || fail "$when: no shortcuts in $menu"
    for file in tallyra-classic.exe tallyra-styled.exe 'Tallyra Classic.lnk' 'Tallyra Styled.lnk'; do
        count=$(find "$drive_c" -name "$file" -not -path '*/windows/*' -not -path '*/Temp/*' 2>/dev/null | grep -c . || true)
        [[ $count == 1 ]] || fail "$when: $count copies of $file"
    done
    keys=$(entries)
    [[ $(grep -c . <<<"$keys") == 1 ]] || fail "$when: $(grep -c . <<<"$keys") uninstall entries, not one"
    [[ ${keys##*\\} == "$product_code" ]] || fail "$when: the entry is ${keys##*\\}, not $product_code"
    [[ $(value "$keys" DisplayVersion) == "$expected_version" ]] || fail "$when: version $(value "$keys" DisplayVersion)"
    [[ $(value "$keys" Publisher) == Brimwold ]] || fail "$when: publisher $(value "$keys" Publisher)"
    # The entry's icon, ARPPRODUCTICON, is kept by the installer service with the product.
    compgen -G "$installer/{*}/tallyra.ico" >/dev/null || fail "$when: no icon for the uninstall entry"
}

older_code=$(property "$older" ProductCode)
code=$(property "$msi" ProductCode)
rebuilt_code=$(property "$rebuilt" ProductCode)
[[ $(property "$rebuilt" ProductVersion) == "$version" && $rebuilt_code != "$code" ]] ||
    fail "the rebuilt installer is not another build of version $version"
older_version=$(property "$older" ProductVersion)

timeout 60 wine reg delete 'HKCU\Software\Brimwold' /f >/dev/null 2>&1 || true
# The installer makes %LOCALAPPDATA%\Programs when there is none; uninstalling removes it again.
programs_folder_before=no
[[ -d $local_app_data/Programs ]] && programs_folder_before=yes

# An older build first: the new one must replace it.
msiexec /i "$(winepath -w "$older")" /qn || fail "the older build did not install"
expect_one_installed "the older build" "$older_version" "$older_code"
msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i /qn failed over the older build"
expect_one_installed "over the older build" "$version" "$code"

# The installed program, started where its shortcut points, computes.
timeout 300 wine "$driver" --edition=classic --exe="$(winepath -w "$programs/tallyra-classic.exe")" \
    --gtest_filter='Keys/ClickedSequenceTest.*' </dev/null >"${TMPDIR:-/tmp}/msi-driver.log" 2>&1 ||
    { cat "${TMPDIR:-/tmp}/msi-driver.log" >&2; fail "the installed Classic program does not compute"; }
timeout 60 wine reg query 'HKCU\Software\Brimwold\Tallyra\Classic' >/dev/null 2>&1 ||
    fail "the installed program saved no settings"

# The same installer again, with its basic interface: still one copy.
msiexec /i "$(winepath -w "$msi")" /qb || fail "msiexec /i /qb failed on a reinstall"
expect_one_installed "after a reinstall" "$version" "$code"

# A rebuild of the same version has another product code; it replaces the build installed.
msiexec /i "$(winepath -w "$rebuilt")" /qn || fail "the rebuild of the same version did not install"
expect_one_installed "after a rebuild of the same version" "$version" "$rebuilt_code"

# An older version does not go over a newer one.
if msiexec /i "$(winepath -w "$older")" /qn; then
    fail "the older build installed over the newer one"
fi
expect_one_installed "after the older build was refused" "$version" "$rebuilt_code"

# Uninstall: files, shortcuts, folders and entry gone, settings kept.
msiexec /x "$(winepath -w "$rebuilt")" /qn || fail "msiexec /x failed"
[[ ! -e $programs/tallyra-classic.exe && ! -e $programs/tallyra-styled.exe ]] || fail "uninstall left the programs"
[[ ! -e $programs ]] || fail "uninstall left $programs"
if [[ $programs_folder_before == no && -e $local_app_data/Programs ]]; then
    fail "uninstall left $local_app_data/Programs, which the installer made"
fi
[[ ! -e $menu ]] || fail "uninstall left the Start-menu folder"
[[ -z $(entries) ]] || fail "uninstall left its Add/Remove Programs entry"
timeout 60 wine reg query 'HKCU\Software\Brimwold\Tallyra\Classic' >/dev/null 2>&1 ||
    fail "uninstall removed the user's settings"
echo "msi-install-test: installed over an older build, used, reinstalled, replaced by a rebuild, refused a downgrade and removed"
