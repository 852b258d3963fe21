#pragma once
#include <string>

#include "calc_engine_ext.h"
#include "fuzz_check.h"

// The calculator window for the fuzzer: what tests/unit/fake_calc_view.h does, minus the
// history of repaints that a test reads back and that would grow with every one of thousands
// of events. It calls back into the engine where the real window does, and checks that the
// engine enables or disables a key only when that changes it.
class FuzzCalcView : public ICalcView {
public:
    FuzzCalcView()
    {
        for (bool& on : enabled_)
            on = true;  // a control starts enabled
    }

    // Before the first push no radio button is checked and the edit box holds no number, as in
    // the real window when it is created.
    ControlSelections controls{-1, -1, -1, -1, false, -1};
    CalcState shown;
    CalcEngineExt* engine = nullptr;
    bool extended = true;  // the template is the extended view
    bool showPrecision = false;
    bool ended = false;
    int rangeLow = -1;
    int rangeHigh = -1;

    void PushState(const CalcState& state) override
    {
        shown = state;
        controls = SelectionsShowing(state);
    }

    void RepaintControl(int id) override { CheckId(id); }

    void EnableKey(int id, bool on) override
    {
        CheckId(id);
        FUZZ_CHECK(enabled_[id - kFirstId] != on, "key " + std::to_string(id) + " set to its own state");
        enabled_[id - kFirstId] = on;
    }

    void SetPrecisionRange(int lowest, int highest) override
    {
        rangeLow = lowest;
        rangeHigh = highest;
    }
    void SetPrecisionMenuTexts(int, int) override {}
    void CheckPrecisionMode(bool) override {}
    bool IsExtendedView() override { return extended; }

    void SetExtendedView(bool on) override
    {
        // The real window tells the engine before it records the new view.
        if (on == extended)
            return;
        engine->ViewSwitched(on);
        extended = on;
    }

    void TogglePrecisionControl() override
    {
        // The real window moves the panel, then refreshes the display.
        showPrecision = !showPrecision;
        engine->RefreshDisplay(true);
    }

    void SaveSettings() override {}
    void EndWindow(int) override { ended = true; }

private:
    // Every control the engine may name lies between the display panels and the selectors.
    static constexpr int kFirstId = IDC_PANEL_RESULT;
    static constexpr int kLastId = IDC_CHECK_INTEGER_INPUT;

    static void CheckId(int id)
    {
        FUZZ_CHECK(id >= kFirstId && id <= kLastId, "control id " + std::to_string(id));
    }

    bool enabled_[kLastId - kFirstId + 1] = {};
};
