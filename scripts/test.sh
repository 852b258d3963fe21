#!/usr/bin/env bash
# Builds everything, then runs the native, Windows, sanitizer and fuzz tests in one ctest run
# with one summary. Extra arguments go to ctest, e.g. scripts/test.sh -R engine -j2
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh

# The house style and the folders' one-way dependencies, before anything is built. The tree is
# formatted with clang-format 14; another version would ask for other line breaks.
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror 2>build/format.log; then
    head -40 build/format.log >&2
    echo "test.sh: files are not formatted as .clang-format says; run clang-format-14 -i on them" >&2
    exit 1
fi
scripts/check-layers.sh

# The unit tests once more under AddressSanitizer and UBSan, and the fuzz targets; both trees
# are clang builds. The log is shown only when a build fails.
for preset in sanitize fuzz; do
    log=build/$preset.log
    if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$log" 2>&1; then
        cat "$log" >&2
        echo "test.sh: building the $preset preset failed" >&2
        exit 1
    fi
done
# Without llvm-symbolizer (not installed) the sanitizers name source lines through addr2line.
export ASAN_OPTIONS=allow_addr2line=1 UBSAN_OPTIONS=print_stacktrace=1:allow_addr2line=1

source tests/wine/session.sh
trap wine_session_stop EXIT
wine_session_start

# ctest takes one build tree; a test file at the top that names both trees gives one run.
cat >build/CTestTestfile.cmake <<'CTEST'
subdirs("native")
subdirs("windows")
subdirs("sanitize")
subdirs("fuzz")
CTEST

rc=0
ctest --test-dir build --output-on-failure "$@" || rc=$?
exit "$rc"
