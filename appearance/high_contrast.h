#pragma once
#include "color_plan.h"
#include "color_scheme.h"

// The colours Windows asks every program to paint in while High Contrast is on. The stored
// colours are kept as they are and come back when it goes off.
struct HighContrastColors {
    Color buttonFace;     // COLOR_BTNFACE: key faces and the window's background
    Color buttonText;     // COLOR_BTNTEXT: key captions
    Color window;         // COLOR_WINDOW: the panels
    Color windowText;     // COLOR_WINDOWTEXT: what they show
    Color highlight;      // COLOR_HIGHLIGHT: the panels of the active register
    Color highlightText;  // COLOR_HIGHLIGHTTEXT
};

// What a planned colour becomes while High Contrast is on: a key's face and caption take the
// button colours, the window's background the button face, the up window and its label (the
// active register) the highlight colours, every other panel the window colours.
Color HighContrastColor(const ColorTarget& target, const HighContrastColors& system);

// The plan's colours as shown: unchanged, or each replaced as above while High Contrast is on.
void ShowInHighContrast(std::vector<ColorTarget>& targets, const HighContrastColors& system);
