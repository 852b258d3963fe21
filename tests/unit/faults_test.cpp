// Inputs that must never hang, crash or reach a format or a table out of range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc_harness.h"
#include "number_text.h"
#include "state_rules.h"

TEST(Faults, InfinityAndNaNInTheCurrentDataShowZeroInEveryBase)
{
    for (const char* keys : {"5 / 0 = swap", "0 / 0 = swap", "5 +/- / 0 = swap"}) {
        Calc c;
        c.Keys(keys);
        ASSERT_FALSE(std::isfinite(c.S().dCurrent)) << keys;
        for (int base = 0; base < 4; ++base) {
            c.SelectBase(base);
            EXPECT_EQ(c.Integer(), "0") << keys << " base " << base;
        }
    }
}

TEST(Faults, PrecisionOutOfRangeNeverReachesAFormat)
{
    Calc c;
    c.engine.State().nScale = 99;
    c.Keys("1 / 3 =");
    EXPECT_EQ(c.S().strResultFormat, "%.17g");
    c.engine.State().bAfter = true;
    c.engine.State().nAfter = -5;
    c.Keys("=");
    EXPECT_EQ(c.S().strResultFormat, "%.0f");

    Calc styled(Edition::Styled);
    styled.engine.State().nScale = 17;
    styled.Keys("2 =");
    EXPECT_EQ(styled.S().strResultFormat, "%.16g");
}

TEST(Faults, AnIntegerTypedAboveTwoToThe53KeepsItsValueThroughARefreshOfItsOwn)
{
    // A refresh that no key's preparation preceded read the typed integer back from its
    // decimal text, which is not exact up there: ...4300 became ...4400.
    const struct {
        const char* refresh;
        void (*run)(Calc&);
    } kRefreshes[] = {
        {"M register key", [](Calc& c) { c.Keys("Mem"); }},
        {"Ctrl+D", [](Calc& c) { c.Press('D', Ctrl()); }},
        {"In Memory on",
         [](Calc& c) {
             c.options.bInMemory = 1;
             c.Command(CalcOp::ToggleInMemory);
         }},
        {"After Point", [](Calc& c) { c.Command(CalcOp::PrecisionModel, 1); }},
    };
    for (const auto& r : kRefreshes) {
        Calc c;
        c.SelectBase(1);
        c.SetIntegerInput(true);
        c.Keys("#1FBAE66881DF4305");
        ASSERT_EQ(c.Integer(), "1FBA E668 81DF 4300") << r.refresh;
        r.run(c);
        EXPECT_EQ(c.Integer(), "1FBA E668 81DF 4300") << r.refresh;
    }
}

TEST(Faults, HugeValuesFormatWithoutAFixedBuffer)
{
    const std::string text = FormatNumber("%.8f", -1.7e308);
    EXPECT_GT(text.size(), 300u);
    EXPECT_EQ(text.substr(0, 4), "-169");
    EXPECT_EQ(text.substr(text.size() - 9), ".00000000");
}

TEST(Faults, SelectionsOutOfRangeFallBackToTheirDefaults)
{
    Calc c;
    c.view.controls.nBase = 9;
    c.view.controls.nAngle = -1;
    c.view.controls.nXWindow = -1;  // no radio of the group checked
    c.view.controls.nActiveReg = 5;
    c.Keys("7");
    EXPECT_EQ(c.S().nBase, 0);
    EXPECT_EQ(c.S().nAngle, 0);
    EXPECT_EQ(c.S().nActiveReg, 0);
    EXPECT_EQ(c.Integer(), "7");
}

TEST(Faults, RestoredStateIsBroughtIntoRange)
{
    CalcState s;
    s.nBase = 4;
    s.nAngle = 2;
    s.nXWindow = -7;
    s.nActiveReg = 1;
    s.nLastOp = 2150;
    s.nScale = 1;
    s.nAfter = 1000;
    SanitizeState(s, Edition::Classic);
    EXPECT_EQ(s.nBase, 0);
    EXPECT_EQ(s.nAngle, 0);
    EXPECT_EQ(s.nXWindow, 0);
    EXPECT_EQ(s.nActiveReg, 1);
    EXPECT_EQ(s.nLastOp, CALC_OP_NONE);
    EXPECT_EQ(s.nScale, 4);
    EXPECT_EQ(s.nAfter, 8);

    for (int op : {1, 2, 0, -4, 2133, 2137, 2140, 2200, 2212})
        EXPECT_TRUE(IsValidLastOp(op)) << op;
    for (int op : {3, 2132, 2141, 2199, 2213, 61536})
        EXPECT_FALSE(IsValidLastOp(op)) << op;

    CalcState styled;
    styled.nScale = 17;
    SanitizeState(styled, Edition::Styled);
    EXPECT_EQ(styled.nScale, 16);
}

TEST(Faults, PastedBytesAboveAsciiAreIgnoredNotUpperCased)
{
    Calc c;
    c.clipboard.text = "\xe9\xff"
                       "5\xb5";
    c.Command(CalcOp::Paste);
    EXPECT_EQ(c.Down(), "5");
}

TEST(Faults, AMegabytePasteIsBoundedAndLeavesAUsableCalculator)
{
    Calc c;
    c.clipboard.text.assign(1 << 20, '7');
    c.Command(CalcOp::Paste);
    EXPECT_EQ(c.Down().size(), kMaxPastedChars);
    EXPECT_TRUE(std::isinf(c.S().dCurrent));

    std::string sums;
    for (int i = 0; i < (1 << 19); ++i)
        sums += "1+";
    c.clipboard.text = sums;
    c.Command(CalcOp::Paste);
    EXPECT_EQ(c.Up(), "2048");  // the first 4096 characters: 2048 additions of 1

    c.Keys("Clear 2 + 3 =");
    EXPECT_EQ(c.Up(), "5");
}
