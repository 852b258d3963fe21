// Colour schemes a test stores before the program starts ("Basic Colors", "Extended Colors"):
// every colour different from the others and from the system's, so that a pixel of one names
// the setting it came from.
#pragma once

#include "registry_access.h"

#include <windows.h>

#include <array>

namespace e2e {

// Indices of the basic colours.
enum BasicColour {
    kEnterBack,
    kResultBack,
    kAmInfoBack,
    kOperationInfoBack,
    kEnterText,
    kAccText,
    kMemText,
    kMemoryKeysText,
    kDigitKeysText,
    kOperations1Text,
    kOperations2Text,
    kClearKeysText,
    kExtensionKeyText,
    kDialogBack,
    kKeyBack,
};

// Indices of the extended colours.
enum ExtendedColour { kConstantsText, kHexDigitsText, kOperations3Text, kSwapKeyText, kQuestionKeyText };

inline const std::array<COLORREF, 15>& TestBasicColours()
{
    static const std::array<COLORREF, 15> colours = {
        RGB(255, 250, 205),  // Enter Window background
        RGB(224, 255, 255),  // Result Window background
        RGB(10, 100, 200),   // A-M Info background
        RGB(100, 51, 7),     // Operation Info background
        RGB(128, 0, 64),     // Enter Window text
        RGB(0, 96, 160),     // accumulator text
        RGB(160, 32, 32),    // memory text
        RGB(0, 128, 96),     // Memory keys
        RGB(96, 0, 160),     // Digit keys
        RGB(176, 80, 0),     // Operations 1 keys
        RGB(0, 64, 192),     // Operations 2 keys
        RGB(192, 0, 96),     // Clear keys
        RGB(64, 96, 0),      // Extension key
        RGB(200, 220, 180),  // Dialog background
        RGB(230, 210, 190),  // Key background
    };
    return colours;
}

inline const std::array<COLORREF, 5>& TestExtendedColours()
{
    static const std::array<COLORREF, 5> colours = {
        RGB(32, 32, 128),  // Constants keys
        RGB(128, 64, 0),   // Hex digit keys
        RGB(0, 112, 112),  // Operations 3 keys
        RGB(144, 0, 144),  // Swap key
        RGB(112, 48, 16),  // Question key
    };
    return colours;
}

// The stored block: 32-bit words 0x00BBGGRR, little-endian, in index order.
template <size_t N> Bytes ColourBlock(const std::array<COLORREF, N>& colours)
{
    Bytes bytes;
    for (COLORREF colour : colours)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(colour >> (8 * i)));
    return bytes;
}

// A colour moved 1/k of the way towards white, each channel rounded to the nearest value
// (halves away from zero): how the In Memory mode lightens the panel backgrounds.
inline COLORREF Lightened(COLORREF colour, int k)
{
    const auto channel = [k](int c) {
        const int twice = 2 * (255 - c);
        return c + (twice + k) / (2 * k);  // round(x / k) for x >= 0, halves up
    };
    return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

}  // namespace e2e
