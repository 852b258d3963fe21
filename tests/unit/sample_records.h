#pragma once
#include "settings_store.h"

// Settings records for the store tests and the settings fuzzer.

constexpr SystemColors kSystem{0xFFFFFF, 0xC0C0C0};

// A record as a freshly constructed window holds it.
struct Record {
    explicit Record(Edition e = Edition::Classic) : edition(e) { SetDefaultColors(settings.colors, kSystem); }
    void Save(IRegistry& registry) { SaveSettings(registry, edition, settings, state, shared); }
    void Load(IRegistry& registry) { LoadSettings(registry, edition, settings, state, shared); }

    Edition edition;
    CalcSettings settings;
    CalcState state;
    SharedSettings shared;
};

// A record with every field away from its default.
inline Record Unusual(Edition edition = Edition::Classic)
{
    Record r(edition);
    for (size_t i = 0; i < kBasicColorCount; ++i)
        r.settings.colors.crBasicColors[i] = 0x010203 * static_cast<Color>(i + 1);
    for (size_t i = 0; i < kExtendedColorCount; ++i)
        r.settings.colors.crExtendedColors[i] = 0x112233 + static_cast<Color>(i);
    for (size_t i = 0; i < kCustomColorCount; ++i)
        r.shared.crCustomColors[i] = 0x000100 * static_cast<Color>(i);
    r.settings.colors.bSystemBackgrounds = 1;
    r.settings.engine = EngineOptions{1, 1, 0, 1};
    r.settings.bExtendedView = 1;
    r.settings.bShowTips = 1;
    r.settings.bSoftButtons = 0;
    r.settings.bShowPrecision = 1;
    r.settings.bRunMultiple = 1;
    r.settings.bBigFont = 1;
    r.settings.bBoldResult = 1;
    r.settings.bBoldButton = 1;
    r.settings.bOnTop = 1;
    r.settings.nPosX = -20;
    r.settings.nPosY = 300;
    r.state.bAfter = true;
    r.state.nScale = 12;
    r.state.nAfter = 5;
    r.state.dUp = 1.5;
    r.state.dCurrent = -2.25;
    r.state.dAccumulator = 1e300;
    r.state.dMemory = 0.1;
    r.state.nActiveReg = 1;
    r.state.nXWindow = 1;
    r.state.nBase = 3;
    r.state.nAngle = 1;
    r.state.nLastOp = IDC_KEY_POWXY;
    r.shared.nRunQty = 41;
    r.settings.bShowTape = 1;
    r.settings.nTapeX = 10;
    r.settings.nTapeY = 20;
    r.settings.nTapeWidth = 300;
    r.settings.nTapeHeight = 400;
    r.settings.tape.Assign({"12 + 5 = 17", "MC"});
    return r;
}

#include "loan_settings.h"

// A loan record with every field away from its default.
inline LoanSettings UnusualLoan()
{
    LoanSettings s;
    for (size_t i = 0; i < kLoanColorCount; ++i)
        s.crLoanColors[i] = 0x0A0B0C + static_cast<Color>(i);
    s.bShowTips = 1;
    s.bExitByEscape = 0;
    s.bClearByEscape = 1;
    s.bSystemBackgrounds = 1;
    s.bSoftButtons = 0;
    s.bBigFont = 1;
    s.bBoldResult = 1;
    s.bBoldButton = 1;
    s.bCommaPoint = 1;
    s.bOnTop = 1;
    s.bRunMultiple = 1;
    s.nPosX = 12;
    s.nPosY = -3;
    s.strAmount = "250000,5";
    s.strMonths = "360";
    s.strPercent = "7,5%";
    return s;
}
