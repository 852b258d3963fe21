// The engine's traffic with its window: one read of the selections per event, key states
// sent only when they change, and view switches commanded through the window port.
#include <gtest/gtest.h>

#include <functional>

#include "calc_harness.h"

TEST(WindowPort, EveryEventReadsTheSelectionsOnce)
{
    const struct {
        const char* event;
        std::function<void(Calc&)> run;
    } kEvents[] = {
        {"digit click", [](Calc& c) { c.Keys("7"); }},
        {"operation click", [](Calc& c) { c.Keys("sin"); }},
        {"typed character", [](Calc& c) { c.Char('+'); }},
        {"key press", [](Calc& c) { c.Press('W'); }},
        {"key release", [](Calc& c) { c.Release(vk::Return); }},
        {"Ctrl+Left", [](Calc& c) { c.Press(vk::Left, Ctrl()); }},
        {"Ctrl+D", [](Calc& c) { c.Press('D', Ctrl()); }},
        {"radio click", [](Calc& c) { c.SelectBase(2); }},
        {"precision edit", [](Calc& c) { c.Command(CalcOp::PrecisionEdited); }},
        {"paste",
         [](Calc& c) {
             c.clipboard.text = "12+34=";
             c.Command(CalcOp::Paste);
         }},
    };
    for (const auto& e : kEvents) {
        Calc c;
        c.view.reads = 0;
        e.run(c);
        EXPECT_EQ(c.view.reads, 1) << e.event;
    }
}

TEST(WindowPort, ASelectorMovedBeforeAClickIsTakenAndAnAutoRadioIsNotSwitchedTwice)
{
    Calc c;
    c.Keys("5");
    c.view.controls.nXWindow = 1;  // the user has clicked the up radio
    c.Keys("sqrt");
    EXPECT_EQ(c.Up(), "0");  // x was the up window

    // A click on M checks it before the window hands the click on.
    c.view.controls.nActiveReg = 1;
    c.Click(IDC_KEY_MEM);
    EXPECT_EQ(c.S().nActiveReg, 1);
    EXPECT_EQ(c.view.controls.nActiveReg, 1);
}

TEST(WindowPort, ADigitClickCostsOneReadAndOnePushAndEnablesNothingUnchanged)
{
    Calc c;
    c.Keys("5");
    c.view.reads = c.view.pushes = c.view.enableCalls = 0;
    c.Keys("7");
    EXPECT_EQ(c.view.reads, 1);
    EXPECT_EQ(c.view.pushes, 1);
    EXPECT_EQ(c.view.enableCalls, 0);
}

TEST(WindowPort, KeysAreEnabledOrDisabledOnlyWhenTheirStateChanges)
{
    // Keys never named are enabled, so the start disables only what x = 0 and the decimal
    // input rule out: 1/x, sqrt, ln, log and the hexadecimal digits.
    const struct {
        const char* step;
        std::function<void(Calc&)> run;
        int calls;
    } kSteps[] = {
        {"5", [](Calc& c) { c.Keys("5"); }, 6},  // 1/x, sqrt, ln, log on; asin, acos off
        {"7", [](Calc& c) { c.Keys("7"); }, 0},
        {"hexadecimal input",
         [](Calc& c) {
             c.SelectBase(1);
             c.SetIntegerInput(true);
         },
         6},
        {"Delete", [](Calc& c) { c.Keys("Delete"); }, 6},  // x = 0 again
    };
    Calc c;
    EXPECT_EQ(c.view.enableCalls, 10);
    for (const auto& step : kSteps) {
        c.view.enableCalls = 0;
        step.run(c);
        EXPECT_EQ(c.view.enableCalls, step.calls) << step.step;
        for (int id = IDC_KEY_MC; id <= IDC_KEY_SWAP; ++id)
            EXPECT_EQ(c.engine.KeyEnabled(id), c.view.IsKeyEnabled(id)) << step.step << " key " << id;
    }
}

TEST(WindowPort, ViewSwitchesAreCommandedOnceAndOnlyOnAChange)
{
    const struct {
        const char* event;
        std::function<void(Calc&)> run;
        bool extended;
        int switches;
    } kEvents[] = {
        {"Ctrl+Right in the extended view", [](Calc& c) { c.Press(vk::Right, Ctrl()); }, true, 0},
        {"Ctrl+Left", [](Calc& c) { c.Press(vk::Left, Ctrl()); }, false, 1},
        {"Ctrl+Left in the basic view", [](Calc& c) { c.Press(vk::Left, Ctrl()); }, false, 0},
        {"Ctrl+Right", [](Calc& c) { c.Press(vk::Right, Ctrl()); }, true, 1},
        {"view key", [](Calc& c) { c.Click(IDC_KEY_VIEW); }, false, 1},
        {"view key again", [](Calc& c) { c.Click(IDC_KEY_VIEW); }, true, 1},
        {"Ctrl+Space", [](Calc& c) { c.Tap(vk::Space, Ctrl()); }, false, 1},
        {"Space in the basic view", [](Calc& c) { c.Tap(vk::Space); }, true, 1},
    };
    Calc c;
    for (const auto& e : kEvents) {
        c.view.viewSwitches = 0;
        c.view.pushes = 0;
        e.run(c);
        EXPECT_EQ(c.view.viewSwitches, e.switches) << e.event;
        EXPECT_EQ(c.view.extended, e.extended) << e.event;
        EXPECT_EQ(c.engine.ExtendedView(), e.extended) << e.event;
        // A switch refreshes the display once, before the window is resized; no switch, no refresh.
        EXPECT_EQ(c.view.pushes, e.switches) << e.event;
    }
}

TEST(WindowPort, CtrlDTogglesThePrecisionControlAndRefreshesOnce)
{
    Calc c;
    c.view.pushes = 0;
    c.Press('D', Ctrl());
    EXPECT_TRUE(c.view.showPrecision);
    EXPECT_EQ(c.view.pushes, 1);
    c.Press('D', Ctrl());
    EXPECT_FALSE(c.view.showPrecision);
}

TEST(WindowPort, EachFinishedOperationAnnouncesTheValueShownEveryTime)
{
    const struct {
        const char* keys;
        std::vector<std::string> announced;
    } kSequences[] = {
        {"7 + 7 =", {"14"}},
        {"7 + 7 = =", {"14", "21"}},
        {"5 * 1 = =", {"5", "5"}},  // the same result twice is said twice
        {"9 sqrt", {"3"}},
        {"12 MS Delete MR", {"12", "12"}},  // Delete writes no line
        {"12 + 3 = Clear", {"15", "0"}},
        {"3 Mem", {}},  // no line, nothing said: M holds what the up window showed
    };
    for (const auto& s : kSequences) {
        Calc c;
        c.Keys(s.keys);
        EXPECT_EQ(c.view.announced, s.announced) << s.keys;
    }
    Calc typed;
    typed.Type("9+1=");
    typed.Command(CalcOp::Copy);
    EXPECT_EQ(typed.view.announced, (std::vector<std::string>{"10", "copied 10"}));
}
