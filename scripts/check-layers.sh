#!/usr/bin/env bash
# Checks that the folders depend one way: no window folder below shell/ includes a header of
# shell/, and win/ includes nothing of engine/. Prints the offending lines and fails when one
# does; prints nothing when all is well.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# headers_of DIR: the names of the headers that live in DIR, as an extended regular expression.
headers_of() {
    git ls-files "$1/*.h" | xargs -r -n1 basename | sed 's/\./\\./g' | paste -sd'|'
}

rc=0
check() {
    local folders=$1 below=$2 names found
    names=$(headers_of "$below")
    [[ -n $names ]] || return 0
    # shellcheck disable=SC2086
    found=$(git ls-files $folders | grep -E '\.(cpp|h|rc|inc)$' |
        xargs -r grep -nE "#include \"($names)\"" || true)
    if [[ -n $found ]]; then
        echo "check-layers.sh: these files include headers of $below/:" >&2
        echo "$found" >&2
        rc=1
    fi
}

check "loan about appearance resources tape win" shell
check "win" engine
exit "$rc"
