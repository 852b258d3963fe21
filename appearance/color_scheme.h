#pragma once
#include <cstddef>
#include <cstdint>

// Colours are 32-bit words 0x00BBGGRR, red in the lowest byte.
using Color = uint32_t;

constexpr size_t kBasicColorCount = 15;
constexpr size_t kExtendedColorCount = 5;
constexpr size_t kCustomColorCount = 16;

// Indices of the basic colours.
enum BasicColor : size_t {
    kEnterBack = 0,
    kResultBack = 1,
    kAmInfoBack = 2,
    kOperationInfoBack = 3,
    kEnterText = 4,
    kAccText = 5,
    kMemText = 6,
    kMemoryKeysText = 7,
    kDigitKeysText = 8,
    kOperations1Text = 9,
    kOperations2Text = 10,
    kClearKeysText = 11,
    kExtensionKeyText = 12,
    kDialogBack = 13,
    kKeyBack = 14,
};

// Indices of the extended colours.
enum ExtendedColor : size_t {
    kConstantsText = 0,
    kHexDigitsText = 1,
    kOperations3Text = 2,
    kSwapKeyText = 3,
    kQuestionKeyText = 4,
};

// The two system colours that some defaults follow, read when the defaults are set.
struct SystemColors {
    Color window;      // COLOR_WINDOW
    Color buttonFace;  // COLOR_BTNFACE
};

// The colours of the calculator window, as stored.
struct ColorScheme {
    Color crBasicColors[kBasicColorCount] = {};
    Color crExtendedColors[kExtendedColorCount] = {};
    uint8_t bSystemBackgrounds = 0;
};

// Sets the basic and extended colours to their defaults; the flag is left alone.
void SetDefaultColors(ColorScheme& scheme, const SystemColors& system);

// A stored colour as GDI must see it: a non-zero top byte would be read as a palette
// reference. The stored bytes themselves are kept as they are.
inline Color UsableColor(Color stored)
{
    return stored & 0x00FFFFFFu;
}
