#pragma once
#include "color_scheme.h"

// The colours a Cancel of the colours dialog puts back: the window's scheme and the
// process-wide custom colours, as they were when the dialog opened.
struct ColorSnapshot {
    ColorScheme scheme;
    Color customColors[kCustomColorCount] = {};
};

ColorSnapshot TakeColorSnapshot(const ColorScheme& scheme, const Color (&customColors)[kCustomColorCount]);
void RestoreColorSnapshot(const ColorSnapshot& snapshot, ColorScheme& scheme,
                          Color (&customColors)[kCustomColorCount]);
