#!/usr/bin/env bash
# What Windows reads from each program before it runs a line of it: the import table names
# only DLLs Windows always takes from its own folder, the image is marked terminal-server
# aware, the embedded manifest asks for no more rights than the user's and names the Windows
# versions it was built for (and, for the Styled edition, the common controls 6), and the
# version resource carries the build's version.
#   program-image-test.sh OBJDUMP VERSION tallyra-classic.exe tallyra-styled.exe
set -euo pipefail
objdump=$1
version=$2
classic=$3
styled=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The KnownDLLs: the values under HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\
# Session Manager\KnownDLLs that Windows 7 SP1, Windows 10 and Windows 11 (x64) all list.
# The loader maps these from the system folder whatever lies beside the program; any other
# DLL the program imports would be looked for in the program's folder first. COMCTL32 is
# never one of them: which copy a program gets is the side-by-side manifest's choice.
known_dlls=" advapi32 clbcatq comdlg32 difxapi gdi32 imagehlp imm32 kernel32 msctf msvcrt normaliz
    nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shell32 shlwapi user32 wldap32 ws2_32 "

failures=0
fail() {
    echo "program-image-test: $*" >&2
    failures=$((failures + 1))
}

check_program() {
    local exe=$1 edition=$2 dlls dll flags manifest id
    local name=${exe##*/}

    dlls=$("$objdump" -p "$exe" | awk '/DLL Name:/ { print tolower($3) }')
    [[ -n $dlls ]] || fail "$name: no import table read"
    for dll in $dlls; do
        [[ $known_dlls == *" ${dll%.dll} "* ]] || fail "$name imports $dll, which is not a KnownDLL"
    done

    # IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE
    flags=$("$objdump" -p "$exe" | awk '$1 == "DllCharacteristics" { print $2 }')
    if [[ -z $flags ]] || (((16#$flags & 0x8000) == 0)); then
        fail "$name is not marked terminal-server aware (${flags:-no flags read})"
    fi

    # The manifest resource is the manifest file's text, byte for byte.
    manifest=$(LC_ALL=C sed -n '/<assembly xmlns=/,/<\/assembly>/p' "$exe")
    [[ -n $manifest ]] || fail "$name carries no manifest"
    grep -q "name=\"Brimwold.Tallyra.$edition\" version=\"$version.0\"" <<<"$manifest" ||
        fail "$name: the manifest's identity is not Brimwold.Tallyra.$edition $version.0"
    grep -q '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' <<<"$manifest" ||
        fail "$name: the manifest does not ask to run as invoker"
    # Windows 7, 8, 8.1, and 10 and 11.
    for id in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
        1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
        grep -q "<supportedOS Id=\"{$id}\"/>" <<<"$manifest" || fail "$name: the manifest lacks supportedOS $id"
    done
    grep -q '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>' \
        <<<"$manifest" || fail "$name: the manifest no longer declares DPI awareness"
    if [[ $edition == Styled ]]; then
        grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest" ||
            fail "$name: the manifest lost its dependency on the common controls 6"
    elif grep -q 'Microsoft.Windows.Common-Controls' <<<"$manifest"; then
        fail "$name: the Classic edition asks for the common controls 6, whose buttons it does not use"
    fi

    [[ $("$here/../../installer/pe-file-version.sh" "$exe") == "$version.0" ]] ||
        fail "$name: file version $("$here/../../installer/pe-file-version.sh" "$exe"), not $version.0"
}

check_program "$classic" Classic
check_program "$styled" Styled
((failures == 0)) || exit 1
echo "program-image-test: both programs import only KnownDLLs, are terminal-server aware and carry their manifest and version"
