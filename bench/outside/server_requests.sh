#!/usr/bin/env bash
# Counts what a program asks of the Wine server: at start-up, and for each key typed. Under
# Wine most of a key's cost is these round trips (every window-manager call that is not
# answered in the process), so the counts show where a key's time goes, and unlike timings
# they are the same from run to run.
#
#   bench/outside/server_requests.sh EXE TITLE [KEYS]
#     EXE    a Windows program (e.g. build/windows/tallyra-classic.exe)
#     TITLE  its main window's exact title
#     KEYS   keys typed, alternately "5" and BackSpace (default 100)
#
# Prints the requests of the program's main thread from its start until it waits for keys, and
# per key, by kind. Needs Xvfb, xdotool and Wine; runs on a private display and prefix.
set -u
exe=$(realpath "$1")
title=$2
nkeys=${3:-100}
here=$(cd "$(dirname "$0")" && pwd)
work=${TMPDIR:-/tmp}/tallyra-requests
mkdir -p "$work"

source "$here/private_display.sh"
start_private_display "$work"
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINEARCH=win64
if [ ! -d "$WINEPREFIX/drive_c" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
trap 'wineserver -k >/dev/null 2>&1; kill $xpid 2>/dev/null' EXIT
wine reg delete 'HKCU\Software\Brimwold' /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1
sleep 0.5

# A server of its own that writes every request it answers.
log=$work/server.log
wineserver -f -d1 2>"$log" &
sleep 0.5
wine "$exe" >/dev/null 2>&1 &
window=
for _ in $(seq 300); do
    window=$(xdotool search --name "^$title\$" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "server_requests.sh: no window titled \"$title\" appeared" >&2
    exit 1
fi
sleep 2
xdotool windowfocus --sync "$window" 2>/dev/null
sleep 0.5
first=$(wc -l <"$log")
for ((i = 0; i < nkeys; ++i)); do
    if ((i % 2 == 0)); then xdotool key 5; else xdotool key BackSpace; fi
    sleep 0.05
done
sleep 1
last=$(wc -l <"$log")
wineserver -k >/dev/null 2>&1

# The program's main thread is the one that created the most windows. A request's line is
# "tid: name( args )"; its reply, "tid: name() = status { ... }", is not counted.
awk -v first="$first" -v last="$last" -v keys="$nkeys" -v exe="${exe##*/}" '
    NR > last { exit }
    match($0, /^[0-9a-f]+: [a-z_]+\(/) {
        tid = substr($1, 1, length($1) - 1)
        name = $2; sub(/\(.*/, "", name)
        if (substr($0, RSTART + RLENGTH, 1) == ")") next
        if (name == "create_window") windows[tid]++
        phase = NR <= first ? "start" : "keys"
        count[tid, phase, name]++; total[tid, phase]++
    }
    END {
        for (t in windows) if (windows[t] > most) { most = windows[t]; main = t }
        printf "%s: %d requests from its start until it waits for keys (%d windows), %.1f per key (%d keys)\n",
            exe, total[main, "start"], most, total[main, "keys"] / keys, keys
        for (k in count) {
            split(k, part, SUBSEP)
            if (part[1] == main && part[2] == "keys") printf "  %8.1f %s\n", count[k] / keys, part[3] | "sort -rn | head -12"
        }
    }' "$log"
