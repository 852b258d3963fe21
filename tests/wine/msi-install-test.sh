#!/usr/bin/env bash
# The installer as a user meets it, under Wine: installed quietly and with its basic
# interface, the files, shortcuts and Add/Remove Programs entry there, the installed Classic
# program computing [ 2 + 3 = ] = 5 from where its shortcut points, a reinstall and an install
# over an older build leaving one copy, and an uninstall that removes files and shortcuts
# and keeps the user's settings.
#   msi-install-test.sh tallyra.msi older.msi e2e_tests.exe
set -euo pipefail
msi=$1
older=$2
driver=$3
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
# The Windows folders of the prefix's user, as Linux paths.
unix() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
programs=$(unix '%LOCALAPPDATA%')/Programs/Tallyra
menu=$(unix '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs/Tallyra
installer=$(unix '%APPDATA%')/Microsoft/Installer
# Add/Remove Programs reads both; Windows keeps a per-user product's entry with the user,
# Wine under the machine's key.
uninstall_keys=('HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall')

# The uninstall entries of ours, one key a line.
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
expect_one_installed() {
    [[ -f $programs/tallyra-classic.exe && -f $programs/tallyra-styled.exe ]] || fail "$1: the programs are not in $programs"
    [[ -f $menu/Tallyra\ Classic.lnk && -f $menu/Tallyra\ Styled.lnk ]] || fail "$1: no shortcuts in $menu"
    local keys
    keys=$(entries)
    [[ $(grep -c . <<<"$keys") == 1 ]] || fail "$1: $(grep -c . <<<"$keys") uninstall entries, not one"
    [[ $(value "$keys" DisplayVersion) == 1.4.9 ]] || fail "$1: version $(value "$keys" DisplayVersion)"
    [[ $(value "$keys" Publisher) == Brimwold ]] || fail "$1: publisher $(value "$keys" Publisher)"
    # The entry's icon, ARPPRODUCTICON, is kept by the installer service with the product.
    compgen -G "$installer/{*}/tallyra.ico" >/dev/null || fail "$1: no icon for the uninstall entry"
}

timeout 60 wine reg delete 'HKCU\Software\Brimwold' /f >/dev/null 2>&1 || true

# An older build first: the new one must replace it.
msiexec /i "$(winepath -w "$older")" /qn || fail "the older build did not install"
[[ -n $(entries) ]] || fail "the older build left no uninstall entry"
msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i /qn failed over the older build"
expect_one_installed "over the older build"

# The installed program, started where its shortcut points, computes.
timeout 300 wine "$driver" --edition=classic --exe="$(winepath -w "$programs/tallyra-classic.exe")" \
    --gtest_filter='Keys/ClickedSequenceTest.*' </dev/null >"${TMPDIR:-/tmp}/msi-driver.log" 2>&1 ||
    { cat "${TMPDIR:-/tmp}/msi-driver.log" >&2; fail "the installed Classic program does not compute"; }
timeout 60 wine reg query 'HKCU\Software\Brimwold\Tallyra\Classic' >/dev/null 2>&1 ||
    fail "the installed program saved no settings"

# The same version again, with its basic interface: still one copy.
msiexec /i "$(winepath -w "$msi")" /qb || fail "msiexec /i /qb failed on a reinstall"
expect_one_installed "after a reinstall"

# Uninstall: files, shortcuts and entry gone, settings kept.
msiexec /x "$(winepath -w "$msi")" /qn || fail "msiexec /x failed"
[[ ! -e $programs/tallyra-classic.exe && ! -e $programs/tallyra-styled.exe ]] || fail "uninstall left the programs"
[[ ! -e $programs ]] || fail "uninstall left $programs"
[[ ! -e $menu ]] || fail "uninstall left the Start-menu folder"
[[ -z $(entries) ]] || fail "uninstall left its Add/Remove Programs entry"
timeout 60 wine reg query 'HKCU\Software\Brimwold\Tallyra\Classic' >/dev/null 2>&1 ||
    fail "uninstall removed the user's settings"
echo "msi-install-test: installed, used, reinstalled, upgraded and removed"
