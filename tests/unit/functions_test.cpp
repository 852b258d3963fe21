// Scientific functions, constants, the angle unit and the snapping of results.
#include <gtest/gtest.h>

#include <cmath>

#include "calc_harness.h"
#include "fpu_precision.h"

struct FunctionCase {
    const char* keys;
    const char* up;
};

class Function : public testing::TestWithParam<FunctionCase> {};

TEST_P(Function, ShowsTheExpectedUpWindow)
{
    Calc c;  // degrees, as at start
    c.Keys(GetParam().keys);
    EXPECT_EQ(c.Up(), GetParam().up) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(Degrees, Function,
                         testing::Values(FunctionCase{"180 sin", "0"}, FunctionCase{"360 sin", "0"},
                                         FunctionCase{"90 cos", "0"}, FunctionCase{"45 tan", "1"},
                                         FunctionCase{"180 cos", "-1"}, FunctionCase{"30 sin", "0.5"},
                                         FunctionCase{"60 cos", "0.5"}, FunctionCase{"1 asin", "90"},
                                         FunctionCase{"1 atan", "45"}, FunctionCase{"0.5 acos", "60"},
                                         FunctionCase{"30 sin - 0.5 =", "0"}));  // sin 30 is exactly 0.5

INSTANTIATE_TEST_SUITE_P(Others, Function,
                         testing::Values(FunctionCase{"40 +/- exp", "0"},  // below the snapping threshold
                                         FunctionCase{"1 ln", "0"}, FunctionCase{"1 exp", "2.7182818"},
                                         FunctionCase{"2 10^x", "100"}, FunctionCase{"3 x^3", "27"},
                                         FunctionCase{"12 x^2", "144"}, FunctionCase{"1000 log", "3"},
                                         FunctionCase{"3 + 2 x^y",
                                                      "8"},  // x is the down window, y the up window
                                         FunctionCase{"3 + 2 x^y =", "256"},  // "=" raises 2 to the result
                                         // Large arguments keep their honest results.
                                         FunctionCase{"100000000000000000000 log", "20"},
                                         FunctionCase{"1000000000000000000 ln", "41.446532"},
                                         FunctionCase{"1000000000000000000 atan", "90"}));

TEST(Functions, ATrigonometricKeyLeavesTheDownWindowAndThenWorksOnTheResult)
{
    Calc c;
    c.Keys("30 sin");
    EXPECT_EQ(c.Down(), "30");
    EXPECT_EQ(c.Up(), "0.5");
    c.Keys("=");  // x is now the up window: the sine of 0.5 degrees
    EXPECT_EQ(c.Up(), "0.0087265355");
}

TEST(Functions, OverflowStaysInfinite)
{
    Calc c;
    c.Keys("5 / 0 = exp");
    EXPECT_TRUE(std::isinf(c.S().dUp));
    Calc d;
    d.Keys("5 / 0 = x^2");
    EXPECT_TRUE(std::isinf(d.S().dUp));
    Calc e;
    e.Keys("1000 exp");
    EXPECT_TRUE(std::isinf(e.S().dUp));
}

TEST(Functions, ADomainErrorShowsZero)
{
    Calc c;
    c.Keys("0.5 + 2 +/- x^y");  // (-2) ^ 0.5 is not a real number
    EXPECT_EQ(c.Up(), "0");
}

TEST(Constants, PiSwitchesToRadiansAndMakesXTheDownWindow)
{
    Calc c;
    c.Keys("2 + 3 = pi");
    EXPECT_EQ(c.Down(), "3.1415927");
    EXPECT_EQ(c.S().nAngle, 1);
    EXPECT_EQ(c.view.controls.nAngle, 1);
    EXPECT_EQ(c.S().nXWindow, 0);
    c.Keys("sin");
    EXPECT_EQ(c.Up(), "0");

    Calc d;
    d.Keys("e");
    EXPECT_EQ(d.Down(), "2.7182818");
    EXPECT_EQ(d.S().nAngle, 0);
}

TEST(Constants, TheAngleUnitFollowsTheRadioButtons)
{
    Calc c;
    c.SelectAngle(1);
    c.Keys("1 sin");
    EXPECT_EQ(c.Up(), "0.84147098");
    c.SelectAngle(0);
    c.Keys("90 sin");
    EXPECT_EQ(c.Up(), "1");
}

TEST(Functions, KeysAreDisabledOutsideTheirDomain)
{
    Calc c;
    EXPECT_FALSE(c.Enabled(IDC_KEY_LN));  // x = 0
    EXPECT_FALSE(c.Enabled(IDC_KEY_LOG));
    EXPECT_TRUE(c.Enabled(IDC_KEY_ASIN));
    c.Keys("1.5");
    EXPECT_TRUE(c.Enabled(IDC_KEY_LN));
    EXPECT_FALSE(c.Enabled(IDC_KEY_ASIN));
    EXPECT_FALSE(c.Enabled(IDC_KEY_ACOS));
    EXPECT_TRUE(c.Enabled(IDC_KEY_SIN));
    c.Keys("Delete 1 +/-");
    EXPECT_TRUE(c.Enabled(IDC_KEY_ACOS));
    EXPECT_FALSE(c.Enabled(IDC_KEY_LOG));
}

TEST(Functions, TheLastOperationLabelIsTheKeyCaption)
{
    Calc c;
    c.Keys("2 x^y");
    EXPECT_EQ(c.LastOp(), "x^y");
    c.Keys("1 acos");
    EXPECT_EQ(c.LastOp(), "acos");
}

TEST(Functions, DegreesAreConvertedWithA64BitMantissa)
{
    // Plain double arithmetic would give 0.49999999999999994, and [ 30 sin - 0.5 = ] would
    // show -5.5511151e-17.
    ASSERT_TRUE(HasExtendedPrecision());
    Calc c;
    c.Keys("30 sin");
    EXPECT_EQ(c.S().dUp, 0.5);
}
