#include "color_math.h"

int32_t MulDivRound(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const uint64_t magnitude =
        product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
    const uint64_t divisor =
        c < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    const uint64_t rounded = (magnitude + divisor / 2) / divisor;
    if (rounded > 0x7FFFFFFFu)
        return -1;  // as Windows does on overflow
    return negative ? -static_cast<int32_t>(rounded) : static_cast<int32_t>(rounded);
}

Color BlendColor(Color from, Color to, int32_t step, int32_t steps)
{
    if (step > steps)
        step = steps;
    Color result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int32_t a = static_cast<int32_t>((from >> shift) & 0xFF);
        const int32_t b = static_cast<int32_t>((to >> shift) & 0xFF);
        const int32_t channel = (a + MulDivRound(b - a, step, steps)) & 0xFF;
        result |= static_cast<Color>(channel) << shift;
    }
    return result;
}

BevelRing BevelRingColors(Color face, int32_t ring, int32_t rings, bool sunken)
{
    const Color light = BlendColor(face, 0xFFFFFF, 1, 2);
    const Color dark = BlendColor(0, face, 1, 2);
    const Color topLeft = sunken ? dark : light;
    const Color bottomRight = sunken ? light : dark;
    if (ring <= 1)
        return {topLeft, bottomRight};
    // Ring i + 1 is drawn in the colour blended i steps of `rings` toward the face.
    return {BlendColor(topLeft, face, ring - 1, rings), BlendColor(bottomRight, face, ring - 1, rings)};
}
