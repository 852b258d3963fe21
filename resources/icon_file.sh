# shellcheck shell=bash
# Sourced first by the icon scripts: strict mode, and `here`, the resources folder. Once a
# script has defined draw_icon SIZE FILE (one PNG of that size), write_icon OUT draws the 16,
# 32 and 48 pixel images and writes them to the .ico file OUT.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

write_icon() {
    local out=$1 work n
    work=$(mktemp -d)
    for n in 16 32 48; do
        draw_icon "$n" "$work/icon$n.png" || { rm -rf "$work"; return 1; }
    done
    # BMP entries with an alpha channel (32 bits per pixel), the form every Windows version reads.
    convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$out"
    rm -rf "$work"
    echo "wrote $out"
}
