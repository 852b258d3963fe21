#include "color_snapshot.h"

#include <algorithm>
#include <iterator>

ColorSnapshot TakeColorSnapshot(const ColorScheme& scheme, const Color (&customColors)[kCustomColorCount])
{
    ColorSnapshot snapshot;
    snapshot.scheme = scheme;
    std::copy(std::begin(customColors), std::end(customColors), snapshot.customColors);
    return snapshot;
}

void RestoreColorSnapshot(const ColorSnapshot& snapshot, ColorScheme& scheme,
                          Color (&customColors)[kCustomColorCount])
{
    // Field by field into the window's own arrays: the colours dialog's rows point into them.
    std::copy(std::begin(snapshot.scheme.crBasicColors), std::end(snapshot.scheme.crBasicColors),
              scheme.crBasicColors);
    std::copy(std::begin(snapshot.scheme.crExtendedColors), std::end(snapshot.scheme.crExtendedColors),
              scheme.crExtendedColors);
    scheme.bSystemBackgrounds = snapshot.scheme.bSystemBackgrounds;
    std::copy(std::begin(snapshot.customColors), std::end(snapshot.customColors), customColors);
}
