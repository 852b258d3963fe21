#!/usr/bin/env bash
# The signed programs of a release, as unpacked from its ZIP, still run under Wine: each one
# starts, shows its window with its exact title, computes [ 2 + 3 = ] = 5, closes when told
# to with its values saved, and starts again (the driver's test of what Close stores).
#   signed-programs-test.sh RELEASE_FOLDER VERSION e2e_tests.exe
set -euo pipefail
release=$1
version=$2
driver=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [[ -z ${TALLYRA_WINE_SESSION:-} ]]; then
    source "$here/session.sh"
    trap wine_session_stop EXIT
    wine_session_start
fi

programs=$release/unpacked/tallyra-$version-windows-x64
log=${TMPDIR:-/tmp}/signed-programs-driver.log
for edition in classic styled; do
    exe=$programs/tallyra-$edition.exe
    [[ -f $exe ]] || { echo "signed-programs-test: no $exe" >&2; exit 1; }
    if ! timeout 300 wine "$driver" --edition=$edition --exe="$(winepath -w "$exe")" \
        --gtest_filter='CalculatorTest.CloseStoresValuesAndViewByteExact' </dev/null >"$log" 2>&1 ||
        ! grep -q '\[  PASSED  \] 1 test' "$log"; then
        cat "$log" >&2
        echo "signed-programs-test: the signed $edition program does not run" >&2
        exit 1
    fi
done
echo "signed-programs-test: both signed programs start, compute and close under Wine"
