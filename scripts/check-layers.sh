#!/usr/bin/env bash
# Checks that the folders depend one way: each folder may include the headers of the folders
# before it in this order, and of none after it. Prints the offending lines and fails when one
# does; prints nothing when all is well.
#
#   win        the thin Win32 layer and the ports (the registry key, the clipboard)
#   engine     the calculator without its window
#   resources  the ids, templates and texts every window shares
#   appearance colours, the colours dialog, the painted keys and panels
#   keypad     the base of the two keypad windows
#   tape       the tape and its window
#   about      the About window
#   loan       the loan calculator and its payment schedule
#   shell      the program: the calculator window, its menu and its settings
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

layers=(win engine resources appearance keypad tape about loan shell)

# headers_of DIR: the names of the headers that live in DIR, as an extended regular expression.
headers_of() {
    git ls-files "$1/*.h" | xargs -r -n1 basename | sed 's/\./\\./g' | paste -sd'|'
}

rc=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    for ((j = i + 1; j < ${#layers[@]}; j++)); do
        below=${layers[i]} above=${layers[j]}
        names=$(headers_of "$above")
        [[ -n $names ]] || continue
        found=$(git ls-files "$below" | grep -E '\.(cpp|h|rc|inc)$' |
            xargs -r grep -nE "#include \"($names)\"" || true)
        if [[ -n $found ]]; then
            echo "check-layers.sh: $below/ includes headers of $above/, which is above it:" >&2
            echo "$found" >&2
            rc=1
        fi
    done
done
exit "$rc"
