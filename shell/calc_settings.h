#pragma once
#include <cstdint>

#include "color_scheme.h"
#include "engine_options.h"
#include "tape_lines.h"
#include "window_options.h"

// The stored options of the calculator window. The window owns one for its whole life; the
// engine's numbers, selectors and precision model are stored with them but live in the
// engine's state. Flags are bytes holding 0 or 1.
struct CalcSettings : WindowOptions {
    ColorScheme colors;
    EngineOptions engine;  // In Memory, Comma Point, Exit by Escape, Clear by Escape
    uint8_t bExtendedView = 0;
    uint8_t bShowPrecision = 0;
    // The tape: shown or not, its window's place and size (-1: none stored) and its lines.
    uint8_t bShowTape = 0;
    int32_t nTapeX = -1;
    int32_t nTapeY = -1;
    int32_t nTapeWidth = -1;
    int32_t nTapeHeight = -1;
    // "Forget Tape on Exit": the lines are not kept, and the stored ones are removed.
    uint8_t bForgetTape = 0;
    TapeLines tape;
};

// What the whole process shares rather than each window: the colour chooser's custom colours
// and the count of saves.
struct SharedSettings {
    Color crCustomColors[kCustomColorCount] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                               0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                               0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    uint32_t nRunQty = 0;  // counts saves, wrapping
};
