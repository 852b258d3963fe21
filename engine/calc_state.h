#pragma once
#include <string>

#include "control_ids.h"

// The state of one calculator: registers, the typed entry, the display texts and the
// selectors. A plain value record; the engine's operations act on it.
struct CalcState {
    int nXWindow = 0;    // which window is 'x' for one-operand functions: 0 down, 1 up
    int nActiveReg = 0;  // 0 accumulator A, 1 memory M
    std::string strCurrent = "0";
    std::string strResult = "0";
    std::string strUpLabel = "A";
    std::string strLastOp;
    double dAccumulator = 0.0;
    double dMemory = 0.0;
    double dCurrent = 0.0;
    double dUp = 0.0;                 // working copy of the active register
    double dX = 0.0;                  // argument of one-operand functions
    int nPendingOp = IDC_KEY_EQUALS;  // "=" means nothing pending
    int nLastOp = CALC_OP_NONE;       // repeated by "="
    bool bFreshOperand = true;
    bool bEntering = false;  // while typing, strCurrent is the master and dCurrent follows it
    bool bKeepXWindow = false;
    bool bEscapeDown = false;
    std::string strCurrentFormat = "%.8g";
    std::string strResultFormat = "%.8g";
    int nBase = 0;  // 0 Dec, 1 Hex, 2 Oct, 3 Bin
    int nRadix = 10;
    int nAngle = 0;  // 0 degrees, 1 radians
    bool bIntegerInput = false;
    bool bIntegerEdited = false;
    std::string strInteger = "0";
    std::string strOther = "0";
    std::string strOtherLabel;
    int nPrecisionEdit = 8;
    int nScale = 8;
    int nAfter = 2;
    bool bAfter = false;
};
