#pragma once
#include <map>
#include <string>
#include <vector>

#include "calc_display.h"
#include "calc_window.h"
#include "fake_clipboard.h"
#include "window_results.h"

// A window made of plain fields: what the engine pushed is what the controls show, and a
// test can move a radio button or tick the check box as a user would. It never calls the
// engine; it counts what a test checks the traffic by.
class FakeCalcView : public ICalcDisplay, public ICalcWindow {
public:
    // What the window reads back before it hands an event to the engine.
    ControlSelections ReadSelections()
    {
        ++reads;
        return controls;
    }

    void PushState(const CalcState& state) override;
    void Announce(const std::string& text, Announcement kind) override
    {
        announced.push_back((kind == Announcement::Copied ? "copied " : "") + text);
    }
    void EnableKey(int id, bool on) override;
    // What the key shows: enabled unless the engine has disabled it.
    bool IsKeyEnabled(int id) const;
    void SetPrecisionRange(int lowest, int highest) override;
    void SetPrecisionMenuTexts(int nAfter, int nScale) override;
    void CheckPrecisionMode(bool after) override { menuAfterChecked = after; }

    void SaveAndClose() override
    {
        ++saves;
        endResult = kEndClosed;
    }
    void ShowExtendedView(bool on) override;
    void TogglePrecisionControl() override { showPrecision = !showPrecision; }

    CalcState shown;                     // the texts as the panels show them
    std::vector<std::string> announced;  // "copied " in front of a copy's
    ControlSelections controls;
    std::map<int, bool> enabled;
    bool extended = true;
    bool showPrecision = false;
    int rangeLow = -1;
    int rangeHigh = -1;
    std::string menuAfterText;
    std::string menuScaleText;
    bool menuAfterChecked = false;
    int saves = 0;
    int endResult = 0;
    int pushes = 0;
    int enableCalls = 0;
    int reads = 0;
    int viewSwitches = 0;
};
