#!/usr/bin/env bash
# Runs a program that saves settings, then reads the keys back from outside it with
# `wine reg export` and compares every value with the expected export.
#   registry-export-test.sh probe.exe expected-dir
set -euo pipefail
probe=$1
expected=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [[ -z ${TALLYRA_WINE_SESSION:-} ]]; then
    source "$here/session.sh"
    trap wine_session_stop EXIT
    wine_session_start
fi

work=$(mktemp -d)
trap 'rm -rf "$work"; [[ $(type -t wine_session_stop) == function ]] && wine_session_stop' EXIT

keys=("Tallyra\\Classic" "Tallyra\\Styled" "Loan Calculator\\Classic" "Loan Calculator\\Styled")
for key in "${keys[@]}"; do
    timeout 60 wine reg delete "HKCU\\Software\\Brimwold\\$key" /f >/dev/null 2>&1 || true
done
timeout 120 wine "$probe" </dev/null >/dev/null 2>"$work/probe.err" || { cat "$work/probe.err" >&2; exit 1; }

status=0
for key in "${keys[@]}"; do
    name=${key//\\/ }
    name=${name// /-}
    timeout 60 wine reg export "HKCU\\Software\\Brimwold\\$key" "Z:$work/$name.reg" /y \
        </dev/null >/dev/null 2>&1
    # The export is UTF-16 with CRLF line ends and wraps long hex lines; one value a line,
    # sorted, is what we compare.
    iconv -f UTF-16LE -t UTF-8 "$work/$name.reg" | tr -d '\r' | sed 's/^\xEF\xBB\xBF//' |
        sed -e ':a' -e '/\\$/N; s/\\\n  //; ta' | grep '^"' | LC_ALL=C sort >"$work/$name.txt"
    if ! diff -u "$expected/$name.txt" "$work/$name.txt"; then
        echo "registry-export-test: the $key key differs from $expected/$name.txt" >&2
        status=1
    fi
done
exit "$status"
