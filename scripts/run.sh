#!/usr/bin/env bash
# Builds if needed, then opens the calculator on the developer's own screen.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh

exe=build/windows/tallyra-classic.exe
if [[ ! -f $exe ]]; then
    echo "The calculator window is not built yet; this command will start it once it is."
    exit 0
fi
if [[ -z ${DISPLAY:-} ]]; then
    echo "run.sh: DISPLAY is not set, so there is no screen to open the calculator on." >&2
    echo "Run it from a desktop session, or with ssh -X; scripts/test.sh needs no screen." >&2
    exit 1
fi

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# A prefix of its own rather than ~/.wine, with Wine's own fonts linked in as in the tests,
# so that the window has the size and the fonts it has there.
if [[ -z ${WINEPREFIX:-} ]]; then
    export WINEPREFIX=$PWD/build/wine-prefix
fi
if [[ ! -d $WINEPREFIX/drive_c ]]; then
    echo "Preparing a Wine prefix in $WINEPREFIX (once, about 15 s)..."
    mkdir -p "$WINEPREFIX"
    log=$(mktemp)
    # Without wine32, wineboot complains about syswow64 even when it succeeds.
    if ! WINEARCH=win64 timeout 300 wineboot -i </dev/null >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "run.sh: could not prepare the Wine prefix in $WINEPREFIX" >&2
        exit 1
    fi
    rm -f "$log"
fi
if [[ ! -e $WINEPREFIX/drive_c/windows/Fonts/marlett.ttf ]]; then
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
fi

exec wine "$exe"
