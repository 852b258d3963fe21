// Copy of the shown value and paste typed through the character map.
#include <gtest/gtest.h>

#include "calc_harness.h"

namespace {

void Paste(Calc& c, const std::string& text)
{
    c.clipboard.text = text;
    c.Command(CalcOp::Paste);
}

}  // namespace

TEST(Copy, TakesTheValueTheUserIsLookingAt)
{
    Calc c;
    c.Keys("2 + 3 =");
    c.Command(CalcOp::Copy);
    EXPECT_EQ(c.clipboard.text, "5");
    c.Keys("7");
    c.Command(CalcOp::Copy);
    EXPECT_EQ(c.clipboard.text, "7");
    c.Keys("Delete");
    c.Command(CalcOp::Copy);  // down window 0: the result is what is left
    EXPECT_EQ(c.clipboard.text, "5");
}

TEST(Copy, WithBothWindowsZeroLeavesTheClipboardAlone)
{
    Calc c;
    c.clipboard.text = "keep me";
    c.Command(CalcOp::Copy);
    EXPECT_EQ(c.clipboard.text, "keep me");
    EXPECT_EQ(c.clipboard.puts, 0);
}

TEST(Copy, TakesTheTextAsShownWithCommaOrIntegerGroups)
{
    Calc c;
    c.options.bCommaPoint = 1;
    c.Keys("1 / 2 =");
    c.Command(CalcOp::Copy);
    EXPECT_EQ(c.clipboard.text, "0,5");

    Calc h;
    h.SelectBase(1);
    h.SetIntegerInput(true);
    h.Keys("#10000");
    h.Command(CalcOp::Copy);
    EXPECT_EQ(h.clipboard.text, "1 0000");
}

TEST(Paste, TypesNumbersIntoTheCurrentData)
{
    Calc c;
    c.Keys("9 +");
    Paste(c, "1 234");
    EXPECT_EQ(c.Down(), "1234");
    EXPECT_EQ(c.S().nPendingOp, IDC_KEY_ADD);  // a plain number keeps the pending operation
    c.Keys("=");
    EXPECT_EQ(c.Up(), "1243");

    Paste(c, "1,234.56");  // the second separator is ignored
    EXPECT_EQ(c.Down(), "1.23456");

    c.options.bCommaPoint = 1;
    Paste(c, "0,5");
    EXPECT_EQ(c.Down(), "0,5");
    EXPECT_DOUBLE_EQ(c.S().dCurrent, 0.5);
}

TEST(Paste, TextWithOperatorsIsEvaluatedAfterClearingBothWindows)
{
    Calc c;
    c.Keys("9 +");
    Paste(c, "12+5=");
    EXPECT_EQ(c.Up(), "17");

    Calc d;
    d.Keys("7 + 3 =");
    Paste(d, "-5");
    EXPECT_EQ(d.Down(), "-5");
    EXPECT_EQ(d.Up(), "0");
    EXPECT_EQ(d.S().nPendingOp, IDC_KEY_EQUALS);
}

TEST(Paste, LettersAreConstantsOrHexadecimalDigits)
{
    Calc c;
    Paste(c, "3.5e2");  // 3.5, then the constant e, then a new entry 2
    EXPECT_EQ(c.Down(), "2");
    EXPECT_TRUE(c.S().bEntering);

    Calc h;
    h.SelectBase(1);
    h.SetIntegerInput(true);
    Paste(h, "ff");
    EXPECT_EQ(h.Down(), "255");
    EXPECT_EQ(h.Integer(), "FF");
}

TEST(Paste, AnEmptyOrUnavailableClipboardChangesNothing)
{
    Calc c;
    c.Keys("4 + 2");
    Paste(c, "   ");
    EXPECT_EQ(c.Down(), "2");
    EXPECT_EQ(c.Up(), "4");

    c.clipboard.open = false;
    c.Command(CalcOp::Paste);
    c.Command(CalcOp::Copy);
    EXPECT_EQ(c.Down(), "2");
    EXPECT_EQ(c.clipboard.puts, 0);
}

TEST(PasteAndCopy, PutsTheResultOfThePasteOnTheClipboard)
{
    Calc c;
    c.clipboard.text = "6*7=";
    c.Command(CalcOp::Paste);
    c.Command(CalcOp::Copy);
    EXPECT_EQ(c.clipboard.text, "42");
}
