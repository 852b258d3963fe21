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

// The stored values of the window options, in the order both records write them; each record
// writes its own values in between, through `afterSoftKeys` and `afterBoldKeys`. `walk` is a
// settings record's writer or reader (see settings_record.h). The Styled edition's keys are
// the system's push buttons and have no stored style.
template <typename Walk, typename Options, typename Between1, typename Between2>
void WalkWindowOptions(Walk& walk, bool keyStyles, Options& o, Between1 afterSoftKeys, Between2 afterBoldKeys)
{
    walk.Flag("Show Tips", o.bShowTips);
    if (keyStyles)
        walk.Flag("Soft Btns", o.bSoftButtons);
    afterSoftKeys();
    walk.Flag("Run Multiple", o.bRunMultiple);
    walk.Flag("Big Font", o.bBigFont);
    walk.Flag("Bold Result", o.bBoldResult);
    if (keyStyles)
        walk.Flag("Bold Button", o.bBoldButton);
    afterBoldKeys();
    walk.Flag("On Top", o.bOnTop);
    walk.Words("x,y", {&o.nPosX, &o.nPosY});
}
