#!/usr/bin/env bash
# CMake's emulator for the cross-built programs: run-exe.sh prog.exe [args...]
# Under scripts/test.sh it runs inside that script's session; run by hand, it brings up a
# private one for this one program.
set -euo pipefail

if (($# == 0)); then
    echo "usage: ${0##*/} program.exe [args...]" >&2
    exit 2
fi

# Wine hands its stderr on to the helper processes a program starts, such as the desktop
# process, which outlive the program; if that stderr were ctest's pipe, ctest would wait for
# them. So the program's stderr goes to a file, shown when it ends.
errors=$(mktemp)
finish() {
    cat "$errors" >&2
    rm -f "$errors"
    if [[ $(type -t wine_session_stop) == function ]]; then
        wine_session_stop
    fi
}
trap finish EXIT
# Wine ends a program on Ctrl-C with exit code 0; report the interruption instead.
trap 'exit 130' INT

if [[ -z ${TALLYRA_WINE_SESSION:-} ]]; then
    source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
    wine_session_start
fi

# TALLYRA_WINE_TIMEOUT (seconds, default 600) is for long runs such as the long random round.
# --foreground keeps the program in the terminal's process group, so Ctrl-C reaches it.
rc=0
timeout --foreground --kill-after=10 "${TALLYRA_WINE_TIMEOUT:-600}" wine "$@" 2>"$errors" || rc=$?
exit "$rc"
