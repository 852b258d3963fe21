#pragma once
#include <string>

#include "calc_display.h"
#include "calc_window.h"
#include "fuzz_check.h"

// The calculator window for the fuzzer: what tests/unit/fake_calc_view.h does, minus the
// counts a test reads back. It never calls the engine, and checks that the engine names only real controls
// and enables or disables a key only when that changes it.
class FuzzCalcView : public ICalcDisplay, public ICalcWindow {
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

    void Announce(const std::string& text, Announcement) override
    {
        FUZZ_CHECK(!text.empty(), "an empty announcement");
    }

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

    void ShowExtendedView(bool on) override
    {
        FUZZ_CHECK(on != extended, "view switched to the one shown");
        extended = on;
    }
    void TogglePrecisionControl() override { showPrecision = !showPrecision; }
    void SaveAndClose() override { ended = true; }

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
