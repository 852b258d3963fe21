#!/usr/bin/env bash
# Copies the screenshots the end-to-end tests wrote in their last run into docs/, where the
# README shows them. Run scripts/test.sh first.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
shots=build/windows/screenshots
for name in {classic,styled}-{basic,extended,loan,about,colors-unfolded,colors-folded,tape,schedule}; do
    if [[ -f $shots/$name.png ]]; then
        cp "$shots/$name.png" "docs/screenshots/$name.png"
    fi
done
