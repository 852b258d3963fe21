// The precision model, the precision edit box, the decimal comma and the integer view.
#include <gtest/gtest.h>

#include "calc_harness.h"

namespace {

void SetAfterPoint(Calc& c, bool after)
{
    c.Command(CalcOp::PrecisionModel, after ? 1 : 0);
}

void EditPrecision(Calc& c, int value)
{
    c.view.controls.nPrecisionEdit = value;
    c.Command(CalcOp::PrecisionEdited);
}

}  // namespace

TEST(Precision, CommonScaleShowsSignificantDigits)
{
    Calc c;
    c.Keys("1 / 3 =");
    EXPECT_EQ(c.Up(), "0.33333333");
    EditPrecision(c, 4);
    EXPECT_EQ(c.Up(), "0.3333");
    EXPECT_EQ(c.S().nScale, 4);
}

TEST(Precision, AfterPointShowsAFixedNumberOfDecimals)
{
    Calc c;
    SetAfterPoint(c, true);
    c.Keys("1 / 3 =");
    EXPECT_EQ(c.Up(), "0.33");
    c.Keys("2 +");
    EXPECT_EQ(c.Up(), "2.00");
    EXPECT_EQ(c.Down(), "2.00");
    EditPrecision(c, 0);
    EXPECT_EQ(c.Up(), "2");  // no decimal point at all
}

TEST(Precision, TheModeSetsTheSpinRangeTheEditNumberAndTheMenu)
{
    Calc c;
    EXPECT_EQ(c.view.rangeLow, 4);
    EXPECT_EQ(c.view.rangeHigh, 17);
    EXPECT_EQ(c.view.shown.nPrecisionEdit, 8);
    EXPECT_FALSE(c.view.menuAfterChecked);
    EXPECT_EQ(c.view.menuAfterText, "After Point :\t2");
    EXPECT_EQ(c.view.menuScaleText, "Common Scale :\t8");

    SetAfterPoint(c, true);
    EXPECT_EQ(c.view.rangeLow, 0);
    EXPECT_EQ(c.view.rangeHigh, 8);
    EXPECT_EQ(c.view.shown.nPrecisionEdit, 2);
    EXPECT_TRUE(c.view.menuAfterChecked);

    EditPrecision(c, 5);
    EXPECT_EQ(c.view.menuAfterText, "After Point :\t5");
}

TEST(Precision, EditedValuesAreClampedToTheModesRange)
{
    Calc c;
    EditPrecision(c, 18);
    EXPECT_EQ(c.S().nScale, 17);
    EditPrecision(c, 2);
    EXPECT_EQ(c.S().nScale, 4);
    SetAfterPoint(c, true);
    EditPrecision(c, 9);
    EXPECT_EQ(c.S().nAfter, 8);

    Calc styled(Edition::Styled);
    EXPECT_EQ(styled.view.rangeHigh, 16);
    EditPrecision(styled, 17);
    EXPECT_EQ(styled.S().nScale, 16);
    EXPECT_EQ(styled.view.menuScaleText, "Common Scale :\t16");
}

TEST(Comma, TogglingRewritesTheShownNumbers)
{
    Calc c;
    c.Keys("1 / 2 = MS 1.5");
    c.Command(CalcOp::ToggleComma);
    EXPECT_EQ(c.options.bCommaPoint, 1);
    EXPECT_EQ(c.Up(), "0,5");
    EXPECT_EQ(c.Down(), "1,5");
    EXPECT_EQ(c.Other(), "0,5");
    c.Keys("+");
    EXPECT_EQ(c.Up(), "1,5");
    c.Command(CalcOp::ToggleComma);
    EXPECT_EQ(c.options.bCommaPoint, 0);
    EXPECT_EQ(c.Up(), "1.5");
}

struct RadixViewCase {
    const char* number;
    int nBase;
    const char* shown;
};

class IntegerView : public testing::TestWithParam<RadixViewCase> {};

TEST_P(IntegerView, ShowsTheCurrentDataInTheSelectedBase)
{
    Calc c;
    c.Keys(GetParam().number);
    c.SelectBase(GetParam().nBase);
    EXPECT_EQ(c.Integer(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Bases, IntegerView,
                         testing::Values(RadixViewCase{"255", 1, "FF"}, RadixViewCase{"65536", 1, "1 0000"},
                                         RadixViewCase{"1234567", 0, "1 234 567"},
                                         RadixViewCase{"4096", 2, "10 000"},
                                         RadixViewCase{"33554431", 3, "1 1111 1111 1111 1111 1111 1111"},
                                         RadixViewCase{"33554432", 3, "10 00000000 00000000 00000000"},
                                         RadixViewCase{"5.7 +/-", 0, "-5"}, RadixViewCase{"0.5 +/-", 0, "-0"},
                                         RadixViewCase{"255 +/-", 1, "FF"}));

TEST(IntegerView, TypingIntoItEntersTheCurrentData)
{
    Calc c;
    c.SetIntegerInput(true);
    c.Keys("1 2 3 4 5");
    EXPECT_EQ(c.Integer(), "12 345");
    EXPECT_EQ(c.Down(), "12345");
    c.Keys("Back");
    EXPECT_EQ(c.Integer(), "1 234");
    EXPECT_EQ(c.Down(), "1234");
    c.Keys("+ 1 =");
    EXPECT_EQ(c.Up(), "1235");
}

TEST(IntegerView, HexadecimalInput)
{
    Calc c;
    c.SelectBase(1);
    c.SetIntegerInput(true);
    c.Keys("#FF");
    EXPECT_EQ(c.Down(), "255");
    EXPECT_EQ(c.Integer(), "FF");
}

TEST(IntegerView, DigitKeysFollowTheBase)
{
    Calc c;
    EXPECT_TRUE(c.Enabled(IDC_KEY_DIGIT9));
    EXPECT_FALSE(c.Enabled(IDC_KEY_HEX_A));
    c.SelectBase(1);
    c.SetIntegerInput(true);
    for (int id = IDC_KEY_DIGIT0; id <= IDC_KEY_HEX_F; ++id)
        EXPECT_TRUE(c.Enabled(id)) << id;
    c.SelectBase(2);
    EXPECT_TRUE(c.Enabled(IDC_KEY_DIGIT0 + 7));
    EXPECT_FALSE(c.Enabled(IDC_KEY_DIGIT0 + 8));
    EXPECT_FALSE(c.Enabled(IDC_KEY_DIGIT9));
    EXPECT_FALSE(c.Enabled(IDC_KEY_HEX_A));
    c.Keys("9 7");  // 9 is not an octal digit
    EXPECT_EQ(c.Integer(), "7");
    c.SelectBase(3);
    EXPECT_TRUE(c.Enabled(IDC_KEY_DIGIT0 + 1));
    EXPECT_FALSE(c.Enabled(IDC_KEY_DIGIT0 + 2));
    c.SetIntegerInput(false);
    EXPECT_TRUE(c.Enabled(IDC_KEY_DIGIT9));
    EXPECT_FALSE(c.Enabled(IDC_KEY_HEX_F));
}

TEST(IntegerView, ChangingTheBaseKeepsTheXWindow)
{
    Calc c;
    c.Keys("2 + 3 = 4");  // typing: x is the down window
    c.view.controls.nXWindow = 1;
    c.SelectBase(1);
    EXPECT_EQ(c.S().nXWindow, 1);
}
