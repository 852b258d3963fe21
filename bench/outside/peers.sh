#!/usr/bin/env bash
# Start-up and key-to-pixels latency of both editions under Wine against their floors, and of
# the Linux desktop calculators, all measured the same way from outside by xprobe (only the
# windows' pixels are read), on one private Xvfb, in one run. Installs what it needs (Debian
# or Ubuntu, as root or through sudo).
#
#   bench/outside/peers.sh EXE_DIR [ROUNDS] [KEYS]
#     EXE_DIR  a folder holding tallyra-classic.exe, tallyra-styled.exe and empty_dialog.exe
#     ROUNDS   start-up rounds (default 7): in each, the empty dialog, the template alone and
#              both editions start in turn, so that a busy moment of the machine hits them alike
#     KEYS     keys sent per program, alternately "5" and BackSpace (default 200)
#
# Prints a Markdown table with the ratios to the floors: start-up against the edition's own
# template alone with trivial painting (the template of that exe, its manifest activated, so
# the Styled edition's themed buttons are in its floor), keys against one plain window that
# repaints a counter per key. Compare the rows of one run only.
set -u
exedir=$(cd "$1" && pwd)
rounds=${2:-7}
nkeys=${3:-200}
here=$(cd "$(dirname "$0")" && pwd)
work=${TMPDIR:-/tmp}/tallyra-peers
mkdir -p "$work"

pkgs=(xvfb libx11-dev libxtst-dev wine wine64 fonts-wine g++-mingw-w64-x86-64
    galculator gnome-calculator mate-calc qalculate-gtk speedcrunch kcalc)
missing=()
for p in "${pkgs[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if ((${#missing[@]})); then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

probe=$work/xprobe
floor=$work/template_floor.exe
keyfloor=$work/key_floor.exe
cc -O2 -o "$probe" "$here/xprobe.c" -lX11 -lXtst || exit 1
x86_64-w64-mingw32-g++ -O2 -static -s -o "$floor" "$here/template_floor.cpp" -lcomctl32 -lgdi32 || exit 1
x86_64-w64-mingw32-g++ -O2 -static -s -o "$keyfloor" "$here/key_floor.cpp" -lgdi32 || exit 1

source "$here/private_display.sh"
start_private_display "$work"
export HOME=$work/home NO_AT_BRIDGE=1 GTK_A11Y=none
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINEARCH=win64
if [ ! -d "$WINEPREFIX/drive_c" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
fi
wineserver -p
trap 'wineserver -k >/dev/null 2>&1; kill $xpid 2>/dev/null' EXIT

fresh() {
    # Every program starts as on its first day: no stored settings, no caret blink.
    rm -rf "$HOME"
    mkdir -p "$HOME/.config/gtk-3.0"
    printf '[Settings]\ngtk-cursor-blink=false\ngtk-enable-animations=false\n' >"$HOME/.config/gtk-3.0/settings.ini"
    wine reg delete 'HKCU\Software\Brimwold' /f >/dev/null 2>&1
}
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "" && b > 0) printf "%.2f×", a / b }'; }

# Wine runs without a virtual desktop, so that each window is an X window xprobe can find.
declare -A title=(
    [empty]="Tallyra Empty Dialog" [template]="Template Floor" [template_styled]="Template Floor"
    [classic]="Tallyra Classic" [styled]="Tallyra Styled")
declare -A command=(
    [empty]="wine $exedir/empty_dialog.exe" [template]="wine $floor $exedir/tallyra-classic.exe"
    [template_styled]="wine $floor $exedir/tallyra-styled.exe"
    [classic]="wine $exedir/tallyra-classic.exe" [styled]="wine $exedir/tallyra-styled.exe")
declare -A floorOf=([classic]=template [styled]=template_styled)
programs=(empty template template_styled classic styled)

# Start-up, interleaved: one start of each per round (xprobe warms up before each).
declare -A samples
for ((r = 0; r < rounds; ++r)); do
    for p in "${programs[@]}"; do
        fresh
        # shellcheck disable=SC2086
        samples[$p]+="$("$probe" "${title[$p]}" 1 0 5 -- ${command[$p]} 2>/dev/null | awk '{ print $1 }') "
    done
done
declare -A startup
for p in "${programs[@]}"; do
    startup[$p]=$(tr ' ' '\n' <<<"${samples[$p]}" | grep -E '^[0-9.]+$' | median)
done

# Keys: xprobe's own rounds, one program after the other. Its line is "START ... | MEDIAN /
# P90 / P99 (...)".
keys() {
    fresh
    # shellcheck disable=SC2086
    "$probe" "$1" 1 "$nkeys" "5,BackSpace" -- $2 2>/dev/null | awk -F'|' '{ print $2 }' |
        awk '{ print $1, $3, $5 }'
}
read -r floorMedian floorP90 floorP99 <<<"$(keys "Key Floor" "wine $keyfloor")"

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(wine --version 2>/dev/null | head -n1); start-up: median of $rounds interleaved rounds; keys: $nkeys keys"
echo
echo "| Program | start-up (ms) | ÷ its template alone | key to pixels, median / p99 (ms) | median ÷ plain window | p99 ÷ plain window's median |"
echo "|---|---|---|---|---|---|"
echo "| One plain window repainting a counter per key (Wine) | | | $floorMedian / $floorP99 | 1.00× | $(ratio "$floorP99" "$floorMedian") |"
echo "| Empty dialog (Wine) | ${startup[empty]} | $(ratio "${startup[empty]}" "${startup[template]}") | | | |"
echo "| The Classic template 561 alone, trivial painting (Wine) | ${startup[template]} | 1.00× | | | |"
echo "| The Styled template 561 alone, its themed buttons, trivial painting (Wine) | ${startup[template_styled]} | 1.00× | | | |"
for p in classic styled; do
    read -r m _ p99 <<<"$(keys "${title[$p]}" "${command[$p]}")"
    echo "| ${title[$p]} (Wine) | ${startup[$p]} | $(ratio "${startup[$p]}" "${startup[${floorOf[$p]}]}") | $m / $p99 | $(ratio "$m" "$floorMedian") | $(ratio "$p99" "$floorMedian") |"
done

peers=("MATE Calculator|Calculator|mate-calc" "galculator|galculator|galculator" "SpeedCrunch|SpeedCrunch|speedcrunch"
    "Qalculate! (GTK)|Qalculate!|qalculate-gtk" "GNOME Calculator|Calculator|gnome-calculator" "KCalc|KCalc|kcalc")
for entry in "${peers[@]}"; do
    IFS='|' read -r name wtitle cmd <<<"$entry"
    if ! command -v "$cmd" >/dev/null; then
        echo "| $name (native) | not installed | | | | |"
        continue
    fi
    fresh
    line=$("$probe" "$wtitle" "$rounds" "$nkeys" "5,BackSpace" -- "$cmd" 2>/dev/null)
    start=$(awk '{ print $1 }' <<<"$line")
    read -r m _ p99 <<<"$(awk -F'|' '{ print $2 }' <<<"$line" | awk '{ print $1, $3, $5 }')"
    echo "| $name (native) | $start | | $m / $p99 | $(ratio "$m" "$floorMedian") | $(ratio "$p99" "$floorMedian") |"
done
