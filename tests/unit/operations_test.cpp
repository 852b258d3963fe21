// Operation sequencing, percent, the registers, the memory keys and In Memory mode.
#include <gtest/gtest.h>

#include <cmath>

#include "calc_harness.h"

struct SequenceCase {
    const char* keys;
    const char* up;
};

class Sequence : public testing::TestWithParam<SequenceCase> {};

TEST_P(Sequence, ShowsTheExpectedUpWindow)
{
    Calc c;
    c.Keys(GetParam().keys);
    EXPECT_EQ(c.Up(), GetParam().up) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, Sequence,
                         testing::Values(SequenceCase{"2 + 3 =", "5"}, SequenceCase{"2 + 3 = =", "8"},
                                         SequenceCase{"2 + 3 = = =", "11"},
                                         SequenceCase{"2 + +", "4"},  // the pending + applied again
                                         SequenceCase{"2 + -", "4"},  // no replacing of the operator
                                         SequenceCase{"2 + - 1 =", "3"},
                                         SequenceCase{"2 + 3 = * 4 =", "20"},  // continues from the result
                                         SequenceCase{"2 + 3 = 7 +", "7"},     // a new chain
                                         SequenceCase{"9 - 12 =", "-3"},
                                         SequenceCase{"1 / 3 =", "0.33333333"},
                                         SequenceCase{"7 =", "7"},  // "=" with nothing to repeat copies
                                         SequenceCase{"9 sqrt", "3"}, SequenceCase{"9 sqrt =", "1.7320508"},
                                         SequenceCase{"4 1/x", "0.25"}));

INSTANTIATE_TEST_SUITE_P(Percent, Sequence,
                         testing::Values(SequenceCase{"20 + 10 %", "22"}, SequenceCase{"20 + 10 % =", "2.2"},
                                         SequenceCase{"50 * 10 %", "5"}, SequenceCase{"20 / 10 %", "10"},
                                         SequenceCase{"20 - 10 %", "18"},
                                         SequenceCase{"20 = 10 %", "2"},  // no pending: current * up / 100
                                         SequenceCase{"20 + 10 % + 5", "22"}));  // + after % only waits

TEST(Operations, AnOperationAfterPercentOnlyBecomesPending)
{
    Calc c;
    c.Keys("20 + 10 % +");
    EXPECT_EQ(c.Up(), "22");
    EXPECT_EQ(c.S().nPendingOp, IDC_KEY_ADD);
    c.Keys("3 =");
    EXPECT_EQ(c.Up(), "25");
}

TEST(Operations, DivisionByZeroGivesInfinityWithoutAMessage)
{
    Calc c;
    c.Keys("5 / 0 =");
    EXPECT_TRUE(std::isinf(c.S().dUp));
    EXPECT_GT(c.S().dUp, 0.0);
}

TEST(Operations, LastOperationLabel)
{
    Calc c;
    EXPECT_EQ(c.LastOp(), "");
    c.Keys("2 *");
    EXPECT_EQ(c.LastOp(), "*");
    c.Keys("3 =");
    EXPECT_EQ(c.LastOp(), "*");  // "=" never becomes the last operation
    c.Keys("1/x");
    EXPECT_EQ(c.LastOp(), "1/x");
    c.Keys("Clear");
    EXPECT_EQ(c.LastOp(), "");
}

TEST(Operations, SquareRootAndReciprocalAreEnabledOnlyInRange)
{
    Calc c;
    EXPECT_FALSE(c.Enabled(IDC_KEY_SQRT));
    EXPECT_FALSE(c.Enabled(IDC_KEY_RECIPROCAL));
    c.Keys("4");
    EXPECT_TRUE(c.Enabled(IDC_KEY_SQRT));
    EXPECT_TRUE(c.Enabled(IDC_KEY_RECIPROCAL));
    c.Keys("+/-");
    EXPECT_FALSE(c.Enabled(IDC_KEY_SQRT));
    EXPECT_TRUE(c.Enabled(IDC_KEY_RECIPROCAL));
}

TEST(Memory, StoreTakesTheResultAfterEqualsAndTheTypedDataWhileTyping)
{
    Calc c;
    c.Keys("2 + 3 = MS");
    EXPECT_EQ(c.S().dMemory, 5.0);
    c.Keys("7 MS");
    EXPECT_EQ(c.S().dMemory, 7.0);
    EXPECT_EQ(c.Other(), "7");
}

TEST(Memory, RecallAddAndClear)
{
    Calc c;
    c.Keys("4 MS Delete 6 M+");
    EXPECT_EQ(c.S().dMemory, 10.0);
    c.Keys("Delete MR");
    EXPECT_EQ(c.Down(), "10");
    EXPECT_FALSE(c.S().bEntering);
    c.Keys("MC");
    EXPECT_EQ(c.S().dMemory, 0.0);
    EXPECT_EQ(c.Other(), "0");
    EXPECT_EQ(c.Down(), "10");
}

TEST(Registers, WhileMemoryIsActiveResultsGoIntoIt)
{
    Calc c;
    c.Keys("Mem 10 =");  // M = 10, and no operand typed since the last operation key
    ASSERT_EQ(c.Up(), "10");
    EXPECT_EQ(c.view.shown.strUpLabel, "M");
    c.Keys("+ 5 =");
    EXPECT_EQ(c.Up(), "15");
    EXPECT_EQ(c.S().dMemory, 15.0);
    EXPECT_EQ(c.view.shown.strOtherLabel, "A");
}

TEST(Registers, EitherButtonSwitchesToTheOtherRegister)
{
    Calc c;
    c.Keys("Acc");  // A is already active
    EXPECT_EQ(c.S().nActiveReg, 1);
    c.Keys("Acc");
    EXPECT_EQ(c.S().nActiveReg, 0);
}

TEST(InMemory, RepeatedEqualsTakesTheInactiveRegisterAsOperand)
{
    Calc on;
    on.options.bInMemory = 1;
    on.Keys("3 MS Delete");
    ASSERT_EQ(on.S().dMemory, 3.0);
    on.Keys("2 * 4 =");
    EXPECT_EQ(on.Up(), "8");
    on.Keys("5 =");
    EXPECT_EQ(on.Up(), "15");  // 5 x M

    Calc off;
    off.Keys("3 MS Delete 2 * 4 = 5 =");
    EXPECT_EQ(off.Up(), "40");  // 8 x 5
}

TEST(InMemory, SwitchingTheModeOnSeedsAnEmptyMemory)
{
    Calc c;
    c.Keys("6");
    c.options.bInMemory = 1;
    c.Command(CalcOp::ToggleInMemory);
    EXPECT_EQ(c.S().dMemory, 6.0);
    EXPECT_EQ(c.Other(), "6");
    c.Keys("9");
    c.Command(CalcOp::ToggleInMemory);
    EXPECT_EQ(c.S().dMemory, 6.0);  // only an empty memory is seeded
}

TEST(Swap, ExchangesTheCurrentDataWithTheActiveRegister)
{
    Calc c;
    c.Keys("2 + 3 = 9 swap");
    EXPECT_EQ(c.Up(), "9");
    EXPECT_EQ(c.Down(), "5");
    EXPECT_EQ(c.S().nXWindow, 0);
    EXPECT_TRUE(c.S().bFreshOperand);
}
