#pragma once
#include <cstdint>

#include "color_scheme.h"

// a * b / c in 64 bits, rounded to the nearest integer with halves away from zero, and -1
// for a zero divisor: the rules of the Windows MulDiv, so that window-free code and its tests
// compute what the programs compute.
int32_t MulDivRound(int32_t a, int32_t b, int32_t c);

// Moves each of red, green and blue of `from` toward `to` by step / steps (a step beyond
// steps counts as steps). The top byte of the result is 0.
Color BlendColor(Color from, Color to, int32_t step, int32_t steps);

// The colours of one ring of a raised or sunken frame around a face: the top and left sides,
// then the bottom and right sides. Ring 1 is the outermost; each inner ring lies closer to
// the face colour.
struct BevelRing {
    Color topLeft;
    Color bottomRight;
};
BevelRing BevelRingColors(Color face, int32_t ring, int32_t rings, bool sunken);
