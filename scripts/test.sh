#!/usr/bin/env bash
# Builds everything, then runs the native and the Windows tests in one ctest run with one
# summary. Extra arguments go to ctest, e.g. scripts/test.sh -R engine -j2
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh

source tests/wine/session.sh
trap wine_session_stop EXIT
wine_session_start

# ctest takes one build tree; a test file at the top that names both trees gives one run.
cat >build/CTestTestfile.cmake <<'CTEST'
subdirs("native")
subdirs("windows")
CTEST

rc=0
ctest --test-dir build --output-on-failure "$@" || rc=$?
exit "$rc"
