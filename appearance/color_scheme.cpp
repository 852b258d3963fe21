#include "color_scheme.h"

void SetDefaultColors(ColorScheme& scheme, const SystemColors& system)
{
    const Color basic[kBasicColorCount] = {
        system.window, system.window, system.buttonFace, system.buttonFace, 0xC00000,
        0x0050F0,      0x007F00,      0x007F00,          0xC00000,          0x0000C0,
        0x006060,      0x0000E0,      0xAC45C2,          system.buttonFace, system.buttonFace,
    };
    const Color extended[kExtendedColorCount] = {0xC00000, 0xC04040, 0x6E6E00, 0x0000E0, 0x7A0E52};
    for (size_t i = 0; i < kBasicColorCount; ++i)
        scheme.crBasicColors[i] = basic[i];
    for (size_t i = 0; i < kExtendedColorCount; ++i)
        scheme.crExtendedColors[i] = extended[i];
}
