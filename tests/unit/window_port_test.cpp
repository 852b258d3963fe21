// The engine's traffic with its window: key states sent only when they change.
#include <gtest/gtest.h>

#include <functional>

#include "calc_harness.h"

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
