// Typing the current data, the clear keys and the display texts.
#include <gtest/gtest.h>

#include <cmath>

#include "calc_harness.h"

TEST(Entry, LeadingZerosAreReplacedAndThePointKeepsThem)
{
    Calc c;
    c.Keys("0 0 7");
    EXPECT_EQ(c.Down(), "7");

    Calc d;
    d.Keys("0 . 0 7");
    EXPECT_EQ(d.Down(), "0.07");
    EXPECT_DOUBLE_EQ(d.S().dCurrent, 0.07);
}

TEST(Entry, PointOnAFreshDisplayStartsWithZeroAndASecondPointIsIgnored)
{
    Calc c;
    c.Keys(".");
    EXPECT_EQ(c.Down(), "0.");
    c.Keys("5 . 2");
    EXPECT_EQ(c.Down(), "0.52");
}

TEST(Entry, SignKeyOnZeroGivesALoneMinusAndTypingContinues)
{
    Calc c;
    c.Keys("+/-");
    EXPECT_EQ(c.Down(), "-");
    EXPECT_TRUE(c.S().bEntering);
    c.Keys("5");
    EXPECT_EQ(c.Down(), "-5");
    c.Keys("+/-");
    EXPECT_EQ(c.Down(), "5");
}

TEST(Entry, SignKeyOnAShownValueNegatesItWithoutTyping)
{
    Calc c;
    c.Keys("12 MS Delete MR");  // 12 shown, not being typed
    ASSERT_FALSE(c.S().bEntering);
    c.Keys("+/-");
    EXPECT_EQ(c.Down(), "-12");
    EXPECT_FALSE(c.S().bEntering);
}

TEST(Entry, BackDropsTheLastDigitOrClearsAShownValue)
{
    Calc c;
    c.Keys("5 Back");
    EXPECT_EQ(c.Down(), "0");
    EXPECT_TRUE(c.S().bEntering);
    c.Keys("3");
    EXPECT_EQ(c.Down(), "3");  // the shown 0 is replaced

    c.Keys("+ 4 =");
    c.Keys("MR 9 MS Delete MR");
    ASSERT_FALSE(c.S().bEntering);
    c.Keys("Back");
    EXPECT_EQ(c.Down(), "0");
    EXPECT_EQ(c.S().dCurrent, 0.0);
}

TEST(Entry, CommaPointTypesACommaReadsItAsAPointAndShowsResultsWithIt)
{
    Calc c;
    c.options.bCommaPoint = 1;
    c.Keys("1 . 5");
    EXPECT_EQ(c.Down(), "1,5");
    EXPECT_DOUBLE_EQ(c.S().dCurrent, 1.5);
    c.Keys("+ 1 =");
    EXPECT_EQ(c.Up(), "2,5");
}

TEST(Entry, TheXWindowFollowsTheResultUntilTheNextDigit)
{
    Calc c;
    c.Keys("2 + 3 =");
    EXPECT_EQ(c.S().nXWindow, 1);
    EXPECT_EQ(c.view.controls.nXWindow, 1);
    c.Keys("4");
    EXPECT_EQ(c.S().nXWindow, 0);
}

TEST(Entry, ClearResetsEverythingWhileDeleteKeepsTheUpWindowAndPendingOperation)
{
    Calc c;
    c.Keys("7 MS Delete 2 + 3");
    c.Keys("Delete");
    EXPECT_EQ(c.Down(), "0");
    EXPECT_EQ(c.Up(), "2");
    c.Keys("5 =");
    EXPECT_EQ(c.Up(), "7");  // the pending + took the new operand

    c.Keys("Mem Clear");
    const CalcState& s = c.S();
    EXPECT_EQ(s.dAccumulator, 0.0);
    EXPECT_EQ(s.dMemory, 0.0);
    EXPECT_EQ(s.dUp, 0.0);
    EXPECT_EQ(s.dCurrent, 0.0);
    EXPECT_EQ(s.nActiveReg, 0);
    EXPECT_EQ(s.nXWindow, 0);
    EXPECT_EQ(s.nLastOp, CALC_OP_NONE);
    EXPECT_EQ(s.nPendingOp, IDC_KEY_EQUALS);
    EXPECT_EQ(c.view.controls.nActiveReg, 0);
}

TEST(Entry, ATypedNumberBeyondTheDoubleRangeReadsAsInfinity)
{
    Calc c;
    c.Keys("1" + std::string(400, '0'));
    EXPECT_TRUE(std::isinf(c.S().dCurrent));
    EXPECT_EQ(c.Down().size(), 401u);  // the text itself is kept as typed
}
