#!/usr/bin/env bash
# Draws the About window's icon (resource 506) with ImageMagick and writes
# classic/about.ico: 16, 32 and 48 pixels, 32-bit with alpha. Run it after changing the drawing;
# the .ico is committed so that a build needs no ImageMagick.
#
# A still of the window's animated emblem: on a black tile with a thin grey edge, a line
# that has swept across and left a trail in the emblem's six hues (red, yellow, green, cyan,
# blue, magenta), fading in three steps toward the oldest position, and a few coloured
# pixels for stars. Lines are drawn without anti-aliasing, one pixel wide, as the emblem
# draws them; each size is drawn on its own pixel grid rather than scaled.
# shellcheck source=icon_file.sh
source "$(dirname "${BASH_SOURCE[0]}")/icon_file.sh"
out=${1:-$here/classic/about.ico}

edge='#5a5f66'
tile='#000000'
hues=(ff0000 ffff00 00ff00 00ffff 0000ff ff00ff)
levels=(255 213 171)

# hue_color K: the colour of trail line K (0 newest), as the emblem computes it: a grey of
# the line's level masked by the line's hue.
hue_color() {
    local k=$1 mask level r g b
    mask=${hues[k % 6]}
    level=${levels[k / 6]}
    r=$((16#${mask:0:2} ? level : 0))
    g=$((16#${mask:2:2} ? level : 0))
    b=$((16#${mask:4:2} ? level : 0))
    printf '#%02x%02x%02x' "$r" "$g" "$b"
}

# draw_icon SIZE FILE
draw_icon() {
    local n=$1 file=$2
    local -a d=()
    # Tile with its edge, rounded like a small window.
    local r=$((n / 10 < 2 ? 2 : n / 10))
    d+=(-fill "$edge" -stroke none -draw "roundrectangle 0,0 $((n - 1)),$((n - 1)) $r,$r")
    d+=(-fill "$tile" -draw "roundrectangle 1,1 $((n - 2)),$((n - 2)) $((r - 1)),$((r - 1))")

    # The trail: 18 positions, oldest first so the newest lies on top. One end sweeps along
    # the bottom from left to right, the other along the top from right to left, each end
    # moving a fixed step per position, as the emblem's ends do between bounces.
    local k x1 y1 x2 y2 lines=18
    for ((k = lines - 1; k >= 0; k--)); do
        x1=$(((n * 3 + (lines - 1 - k) * n * 14 / lines) / 20 + 1))
        y1=$((n - 4 - (lines - 1 - k) * n / (3 * lines)))
        x2=$((n - 4 - (lines - 1 - k) * n * 12 / (20 * lines)))
        y2=$((3 + (lines - 1 - k) * n * 5 / (20 * lines)))
        d+=(-stroke "$(hue_color "$k")" -strokewidth 1 -draw "line $x1,$y1 $x2,$y2")
    done

    # Stars: single pixels in scattered colours, away from the newest line.
    local -a stars
    case $n in
    16) stars=("3,3 #ffd080" "13,13 #ff80c0" "3,13 #ffffff") ;;
    32) stars=("4,5 #ffd080" "9,3 #80c0ff" "26,27 #ff80c0" "28,21 #c0ff80" "6,27 #ffffff" "14,8 #a0a0ff") ;;
    48) stars=("6,7 #ffd080" "13,4 #80c0ff" "40,41 #ff80c0" "43,31 #c0ff80" "8,41 #ffffff" "21,11 #a0a0ff" "36,44 #ffe0a0" "5,20 #80ffe0") ;;
    *) echo "no drawing for size $n" >&2; return 1 ;;
    esac
    local s
    for s in "${stars[@]}"; do
        d+=(-stroke none -fill "${s#* }" -draw "point ${s%% *}")
    done

    convert -size "${n}x${n}" xc:none +antialias "${d[@]}" -define png:color-type=6 "$file"
}

write_icon "$out"
