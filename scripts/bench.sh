#!/usr/bin/env bash
# Builds the programs, the start-up probe with its empty-dialog baseline and the engine
# benchmarks, runs them all in one private Wine session and prints one Markdown table of
# absolute figures and ratios against the baselines; each program's size by folder and by
# library; then the same programs from outside against the floors Wine sets and the Linux
# desktop calculators (bench/outside/peers.sh), and the requests each program makes of the Wine server per key. Not part of the tests:
# timings vary from run to run and machine to machine.
#
#   scripts/bench.sh [RUNS]      RUNS start-ups of each program (default 15)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
runs=${1:-15}

mkdir -p build
build() {
    local log=build/bench-$1.log
    if ! { cmake --preset "$1" && cmake --build --preset "$1" --target "${@:2}"; } >"$log" 2>&1; then
        cat "$log" >&2
        echo "bench.sh: building the $1 preset failed" >&2
        exit 1
    fi
}
build windows tallyra-classic tallyra-styled startup_probe empty_dialog
build native engine_bench

win=build/windows
classic=$win/tallyra-classic.exe
styled=$win/tallyra-styled.exe
empty=$win/bench/empty_dialog.exe

# Before the session: the engine benchmarks want the machine to themselves.
engine_csv=$(mktemp)
trap 'rm -f "$engine_csv"' EXIT
build/native/bench/engine_bench --benchmark_format=csv --benchmark_min_time=0.3 2>/dev/null >"$engine_csv"

source tests/wine/session.sh
trap 'wine_session_stop; rm -f "$engine_csv"' EXIT
wine_session_start

probe_rows=$(timeout 1800 wine "$win/bench/startup_probe.exe" --runs="$runs" \
    --classic="$(winepath -w "$classic")" --styled="$(winepath -w "$styled")" --empty="$(winepath -w "$empty")" |
    tr -d '\r')

kb() { echo "$(( ($(stat -c %s "$1") + 1023) / 1024 ))"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f×", a / b }'; }
imports() { x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name/ { print $3 }' | sort | paste -sd, - | sed 's/,/, /g'; }

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(wine --version 2>/dev/null | head -n1)"
echo
echo "| Measure | Value | Baseline | Ratio | Goal |"
echo "|---|---|---|---|---|"
echo "$probe_rows"
for edition in classic styled; do
    exe=$win/tallyra-$edition.exe
    echo "| Size, tallyra-$edition.exe | $(kb "$exe") KB | empty dialog $(kb "$empty") KB | $(ratio "$(kb "$exe")" "$(kb "$empty")") | < 512 KB |"
    echo "| DLLs imported, tallyra-$edition.exe | $(imports "$exe") | empty dialog: $(imports "$empty") | | system DLLs only |"
done
# Google Benchmark's CSV: name,iterations,real_time,cpu_time,time_unit,...
awk -F, '
    function ns(t, unit) { return unit == "\"ms\"" || unit == "ms" ? t * 1e6 : unit == "\"us\"" || unit == "us" ? t * 1e3 : t }
    /^"?[A-Za-z]/ && $1 != "name" {
        name = $1; gsub(/"/, "", name)
        t[name] = ns($4, $5); order[++n] = name
    }
    function show(v) { return v >= 1e6 ? sprintf("%.2f ms", v / 1e6) : v >= 1e4 ? sprintf("%.1f µs", v / 1e3) : sprintf("%.1f ns", v) }
    END {
        base = t["BaselineFormatDouble"]
        for (i = 1; i <= n; i++) {
            name = order[i]
            if (name ~ /^Baseline/) continue
            printf "| Engine: %s (CPU time, native) | %s | printf(\"%%.17g\") %.1f ns | %.2f× | |\n", name, show(t[name]), base, t[name] / base
        }
        printf "| Engine baseline: strtod of one number | %.1f ns | printf(\"%%.17g\") %.1f ns | %.2f× | |\n", t["BaselineStrtod"], base, t["BaselineStrtod"] / base
    }' "$engine_csv"

# Where each program's bytes come from, from the linker's map.
for edition in classic styled; do
    echo
    scripts/size-breakdown.sh "$win/tallyra-$edition.exe" "$win/tallyra-$edition.map"
done

# From outside, as a user sees it: start-up and key-to-pixels against the floors Wine sets
# and against the Linux desktop calculators, in one run on a private display of its own.
wine_session_stop
trap 'rm -f "$engine_csv"' EXIT
echo
echo "From outside (bench/outside/peers.sh, $runs start-up rounds, 200 keys):"
echo
exes=$(mktemp -d)
cp "$classic" "$styled" "$empty" "$exes/"
bash bench/outside/peers.sh "$exes" "$runs" 200 || echo "bench.sh: the outside measurements failed" >&2
rm -rf "$exes"

# Where a key's time goes under Wine: the requests each program makes of the Wine server.
echo
echo "Requests to the Wine server (bench/outside/server_requests.sh, 100 keys):"
echo
echo '```'
for edition in Classic Styled; do
    bash bench/outside/server_requests.sh "$win/tallyra-${edition,,}.exe" "Tallyra $edition" 100 ||
        echo "bench.sh: counting the $edition edition's requests failed" >&2
done
echo '```'
