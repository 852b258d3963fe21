#!/usr/bin/env bash
# Installs whatever the build and the tests need that is missing (Debian or Ubuntu), then
# configures and builds both presets. Quiet unless something fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    cmake ninja-build g++ make
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    wine wine64 fonts-wine fonts-liberation
    xvfb xdotool imagemagick xclip x11-utils
    g++-mingw-w64-x86-64
    clang-14 libclang-rt-14-dev clang-format-14
    # The release: the installer (wixl) and its tables (msitools), Authenticode signing.
    wixl msitools osslsigncode openssl
)

# Prints a command's output only when it fails.
quietly() {
    local log rc=0
    log=$(mktemp)
    "$@" >"$log" 2>&1 || rc=$?
    if ((rc != 0)); then
        cat "$log" >&2
        echo "setup.sh: failed: $*" >&2
    fi
    rm -f "$log"
    return "$rc"
}

missing=()
for p in "${packages[@]}"; do
    # Checks the state too: a removed package whose configuration files remain is still
    # known to dpkg -s. No grep -q: an early exit would break dpkg's pipe under pipefail.
    if ! dpkg -s "$p" 2>/dev/null | grep -x 'Status: install ok installed' >/dev/null; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} > 0)); then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    echo "setup.sh: installing ${missing[*]}" >&2
    quietly "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    quietly "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi

for preset in native windows; do
    quietly cmake --preset "$preset"
    quietly cmake --build --preset "$preset"
done
