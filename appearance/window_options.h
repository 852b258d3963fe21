#pragma once
#include <cstdint>

// The options that the calculator and the loan window both keep, each in its own record and
// under its own registry key. Flags are bytes holding 0 or 1; a position of -1 is none.
struct WindowOptions {
    uint8_t bShowTips = 0;
    uint8_t bSoftButtons = 1;
    uint8_t bRunMultiple = 0;
    uint8_t bBigFont = 0;
    uint8_t bBoldResult = 0;
    uint8_t bBoldButton = 0;
    uint8_t bOnTop = 0;
    int32_t nPosX = -1;
    int32_t nPosY = -1;
};
