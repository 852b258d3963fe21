#!/usr/bin/env bash
# Runs a program that saves settings, then reads the keys back from outside it with
# `wine reg export` and compares every value with the expected export. Then the same program
# saves the same settings to a portable program's settings file, which must hold the same
# values, byte for byte, and leave the registry alone.
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
# The settings file: its lines in the form of the export's, one file per section.
for key in "${keys[@]}"; do
    timeout 60 wine reg delete "HKCU\\Software\\Brimwold\\$key" /f >/dev/null 2>&1 || true
done
: >"$work/tallyra.ini"
timeout 120 wine "$probe" "Z:$work/tallyra.ini" </dev/null >/dev/null 2>"$work/probe.err" ||
    { cat "$work/probe.err" >&2; exit 1; }
mkdir "$work/file"
tr -d '\r' <"$work/tallyra.ini" | awk -v dir="$work/file" '
    /^;/ || /^$/ { next }
    /^\[.*\]$/ {
        section = substr($0, 2, length($0) - 2)
        sub(/^Software\\Brimwold\\/, "", section)
        gsub(/[\\ ]/, "-", section)
        next
    }
    {
        eq = index($0, "="); name = substr($0, 1, eq - 1); rest = substr($0, eq + 1)
        colon = index(rest, ":"); type = substr(rest, 1, colon - 1); value = substr(rest, colon + 1)
        if (type == "binary") {
            line = "\"" name "\"=hex:"
            for (i = 1; i <= length(value); i += 2)
                line = line (i > 1 ? "," : "") substr(value, i, 2)
        } else if (type == "dword") {
            line = sprintf("\"%s\"=dword:%08x", name, value + 0)
        } else if (type == "string") {
            gsub(/"/, "\\\"", value)
            line = "\"" name "\"=\"" value "\""
        } else {
            line = "unreadable: " $0
        }
        print line >>(dir "/" section ".txt")
    }'
for key in "${keys[@]}"; do
    name=${key//\\/ }
    name=${name// /-}
    LC_ALL=C sort "$work/file/$name.txt" >"$work/file/$name.sorted" 2>/dev/null || : >"$work/file/$name.sorted"
    if ! diff -u "$expected/$name.txt" "$work/file/$name.sorted"; then
        echo "registry-export-test: the $key section of the settings file differs from $expected/$name.txt" >&2
        status=1
    fi
done
if timeout 60 wine reg query "HKCU\\Software\\Brimwold\\Tallyra\\Classic" </dev/null >/dev/null 2>&1; then
    echo "registry-export-test: saving to the settings file wrote the registry" >&2
    status=1
fi
exit "$status"
