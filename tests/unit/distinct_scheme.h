#pragma once
#include "color_scheme.h"

// A scheme whose every colour differs from every other, so that each result tells where its
// colour came from: basic colour i is 0x100000 + i, extended colour i is 0x200000 + i.
inline ColorScheme DistinctScheme()
{
    ColorScheme s;
    for (size_t i = 0; i < kBasicColorCount; ++i)
        s.crBasicColors[i] = 0x100000 + static_cast<Color>(i);
    for (size_t i = 0; i < kExtendedColorCount; ++i)
        s.crExtendedColors[i] = 0x200000 + static_cast<Color>(i);
    return s;
}
