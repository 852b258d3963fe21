#pragma once
#include "calc_engine.h"

// The engine behind the extended view: functions and constants, precision, integer bases,
// the clipboard and the extended key map. The window always runs this one; what it does not
// handle itself goes to the basic operations.
class CalcEngineExt : public CalcEngine {
public:
    using CalcEngine::CalcEngine;

protected:
    CalcAction ResolveClick(int id) override;
    CalcAction ResolveChar(int ch) override;
    CalcAction ResolveKeyDown(int key, Modifiers mods) override;
    CalcAction ResolveKeyUp(int key, Modifiers mods) override;
    void Execute(CalcAction action) override;

    void ApplySelections() override;
    void PrepareOperands() override;
    void PressDigit(int id) override;
    void PressBack() override;
    void RefreshDisplay(bool redraw) override;
    void ShowLastOp() override;
    void RefreshKeys() override;
    void Compute(int type, int id) override;

    // Functions and constants.
    void PressConstant(int id);
    void ToggleAngle();

    // Precision and the decimal separator.
    void BuildFormats();
    void ApplyPrecision(bool setRange, bool setMenuTexts);
    void OnPrecisionEdited();
    void ToggleComma();

    // Integer view.
    void CycleBase(int step);
    void OnBaseOrAngleClicked();
    void OnIntegerInputClicked();
    void ToggleIntegerInput();

    // Clipboard.
    void CopyValue();
    void PasteText();

private:
    bool HexInput() const { return state_.bIntegerInput && state_.nRadix == 16; }
};

// Digits, the hexadecimal letters and both decimal separators.
bool IsNumberChar(int ch);

// The most characters one paste delivers. Each one is a whole key with its refresh, so an
// unbounded paste of a large text would freeze the window; no number a double can show
// needs a tenth of this.
constexpr size_t kMaxPastedChars = 4096;
