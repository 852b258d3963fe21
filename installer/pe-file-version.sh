#!/usr/bin/env bash
# Prints the file version of a Windows program's version resource (its VS_FIXEDFILEINFO) as
# four numbers, e.g. 1.4.9.0: the version Windows Installer compares a file by.
#   pe-file-version.sh program.exe
set -euo pipefail
exe=$1

# VS_FIXEDFILEINFO begins with the signature 0xFEEF04BD (little-endian bytes BD 04 EF FE) and
# its struct version; then dwFileVersionMS (minor, major as 16-bit halves, low half first)
# and dwFileVersionLS (revision, build). The resource section comes after the code, so the
# last match is the resource's.
offset=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$exe" | tail -n 1 | cut -d: -f1)
if [[ -z $offset ]]; then
    echo "pe-file-version.sh: $exe has no version resource" >&2
    exit 1
fi
read -r minor major revision build < <(od -An -tu2 --endian=little -j $((offset + 8)) -N 8 "$exe")
echo "$major.$minor.$build.$revision"
