#!/usr/bin/env bash
# Draws the Classic edition's icon (resource 500) with ImageMagick and writes
# classic/tallyra.ico: 16, 32 and 48 pixels, 32-bit with alpha. Run it after changing the
# drawing; the .ico is committed so that a build needs no ImageMagick.
#
# A light calculator body with a white display and a grid of keys in the program's default
# caption colours: green memory keys on the left, blue digits in the middle, red operators on
# the right. Each size is drawn on its own pixel grid rather than scaled, so that the 16-pixel
# image stays sharp.
# shellcheck source=icon_file.sh
source "$(dirname "${BASH_SOURCE[0]}")/icon_file.sh"
out=${1:-$here/classic/tallyra.ico}

outline='#3a4350'
body='#dde1e7'
body_light='#f4f6f8'
display='#ffffff'
display_edge='#8a94a2'
digits='#0000c0'
memory='#008000'
memory_light='#5cc05c'
digit='#0000c0'
digit_light='#5c6cf0'
operator='#c00000'
operator_light='#f06060'

# draw_icon SIZE FILE: the geometry below is in pixels of that size.
draw_icon() {
    local n=$1 file=$2
    local -a d=()
    # Body (x0 y0 x1 y1 corner radius), display strip, key grid (left, top, key w, key h,
    # gap x, gap y, columns, rows) and the digit marks inside the display.
    local bx0 by0 bx1 by1 br dx0 dy0 dx1 dy1 kx ky kw kh gx gy rows aa
    case $n in
    16) bx0=0 by0=0 bx1=15 by1=15 br=2 dx0=3 dy0=2 dx1=13 dy1=4
        kx=3 ky=6 kw=2 kh=2 gx=1 gy=1 rows=3 aa=+antialias ;;
    32) bx0=3 by0=1 bx1=28 by1=30 br=4 dx0=6 dy0=4 dx1=25 dy1=10
        kx=6 ky=13 kw=4 kh=3 gx=1 gy=1 rows=4 aa=-antialias ;;
    48) bx0=5 by0=1 bx1=42 by1=46 br=6 dx0=9 dy0=5 dx1=38 dy1=14
        kx=9 ky=18 kw=6 kh=5 gx=2 gy=2 rows=4 aa=-antialias ;;
    *) echo "no drawing for size $n" >&2; return 1 ;;
    esac

    # Body with a dark rim and a lighter top-left inner edge, like a raised key.
    d+=(-fill "$outline" -stroke none -draw "roundrectangle $bx0,$by0 $bx1,$by1 $br,$br")
    d+=(-fill "$body_light" -draw "roundrectangle $((bx0 + 1)),$((by0 + 1)) $((bx1 - 1)),$((by1 - 1)) $((br - 1)),$((br - 1))")
    if ((n == 16)); then
        d+=(-fill "$body" -draw "rectangle $((bx0 + 2)),$((by0 + 2)) $((bx1 - 1)),$((by1 - 1))")
    else
        d+=(-fill "$body" -draw "roundrectangle $((bx0 + 2)),$((by0 + 2)) $((bx1 - 1)),$((by1 - 1)) $((br - 2)),$((br - 2))")
    fi

    # Display: white with a sunken grey edge, blue digits right-aligned in it.
    d+=(-fill "$display_edge" -draw "rectangle $dx0,$dy0 $dx1,$dy1")
    d+=(-fill "$display" -draw "rectangle $((dx0 + 1)),$((dy0 + 1)) $dx1,$dy1")
    case $n in
    16) d+=(-fill "$digits" -draw "rectangle 8,3 8,4" -draw "rectangle 10,3 10,4" -draw "rectangle 12,3 12,4") ;;
    32) # "0.5" in 3 x 5 pixel digits
        d+=(-fill "$digits"
            -draw "rectangle 16,5 18,5" -draw "rectangle 16,9 18,9" -draw "rectangle 16,6 16,8" -draw "rectangle 18,6 18,8"
            -draw "rectangle 20,9 20,9"
            -draw "rectangle 22,5 24,5" -draw "rectangle 22,6 22,6" -draw "rectangle 22,7 24,7" -draw "rectangle 24,8 24,8" -draw "rectangle 22,9 24,9") ;;
    48) # "3.14" in 4 x 7 pixel digits, strokes 1 pixel wide
        d+=(-fill "$digits"
            -draw "rectangle 20,7 23,7" -draw "rectangle 23,8 23,12" -draw "rectangle 21,10 22,10" -draw "rectangle 20,13 23,13"
            -draw "rectangle 25,12 26,13"
            -draw "rectangle 29,7 29,13" -draw "rectangle 28,8 28,8" -draw "rectangle 28,13 30,13"
            -draw "rectangle 32,7 32,10" -draw "rectangle 32,10 36,10" -draw "rectangle 35,7 35,13") ;;
    esac

    # Keys: four columns (memory, two of digits, operators), flat colour with a lighter
    # top-left pixel row where the key is big enough to show one.
    local c r x y fill light
    for ((c = 0; c < 4; c++)); do
        case $c in
        0) fill=$memory light=$memory_light ;;
        3) fill=$operator light=$operator_light ;;
        *) fill=$digit light=$digit_light ;;
        esac
        for ((r = 0; r < rows; r++)); do
            x=$((kx + c * (kw + gx))) y=$((ky + r * (kh + gy)))
            d+=(-fill "$fill" -draw "rectangle $x,$y $((x + kw - 1)),$((y + kh - 1))")
            if ((kw > 2)); then
                d+=(-fill "$light" -draw "rectangle $x,$y $((x + kw - 2)),$y" -draw "rectangle $x,$y $x,$((y + kh - 2))")
            fi
        done
    done

    convert -size "${n}x${n}" xc:none "$aa" "${d[@]}" -define png:color-type=6 "$file"
}

write_icon "$out"
