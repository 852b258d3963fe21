// Typing into the loan inputs: what each key does to the selected text.
#include <gtest/gtest.h>

#include "fake_loan_view.h"

TEST(LoanAmount, TakesTwoDigitsAfterTheSeparator)
{
    Loan l("12.3", "10%", "12");
    l.Type("4");
    EXPECT_EQ(l.entry.AmountText(), "12.34");
    l.Type("5");
    EXPECT_EQ(l.entry.AmountText(), "12.34");
    l.Type("<");
    EXPECT_EQ(l.entry.AmountText(), "12.3");
}

TEST(LoanAmount, HasNoLimitBeforeTheSeparator)
{
    Loan l("", "10%", "12");
    l.Type("123456789012345678901234567890");
    EXPECT_EQ(l.entry.AmountText(), "123456789012345678901234567890");
    EXPECT_EQ(l.view.shown.amount, "123 456 789 012 345 678 901 234 567 890");
}

// A longer text would be saved, refused at the next start and the input lost.
TEST(LoanEntry, EachFieldStopsAtTheLengthItsStoredTextIsReadBackWith)
{
    const std::string digits(80, '9');
    Loan l("", "%", "");
    l.Type(digits + ".");
    EXPECT_EQ(l.entry.AmountText(), std::string(kLoanTextMaxLength, '9'));
    l.entry.SelectField(LoanField::Rate);
    l.Type(digits);
    EXPECT_EQ(l.entry.RateText(), std::string(kLoanTextMaxLength - 1, '9') + "%");
    l.entry.SelectField(LoanField::Term);
    l.Type(digits);
    EXPECT_EQ(l.entry.TermText(), std::string(kLoanTextMaxLength, '9'));
    l.Type("<4");  // room again after a deletion
    EXPECT_EQ(l.entry.TermText(), std::string(kLoanTextMaxLength - 1, '9') + "4");
}

TEST(LoanAmount, ALoneZeroIsReplacedByTheFirstDigit)
{
    Loan l("0", "10%", "12");
    l.Type("5");
    EXPECT_EQ(l.entry.AmountText(), "5");

    Loan point("0", "10%", "12");
    point.Type(".5");
    EXPECT_EQ(point.entry.AmountText(), "0.5");
}

TEST(LoanAmount, SeparatorOnAnEmptyAmountStartsWithZero)
{
    Loan l("", "10%", "12");
    l.Type(".");
    EXPECT_EQ(l.entry.AmountText(), "0.");
    EXPECT_EQ(l.view.shown.amount, "0.");
    l.Type(".");
    EXPECT_EQ(l.entry.AmountText(), "0.");  // a second separator is ignored

    Loan comma("", "10%", "12");
    comma.entry.SetCommaPoint(true);
    comma.Type(".");  // either key enters the current separator
    EXPECT_EQ(comma.entry.AmountText(), "0,");
}

TEST(LoanAmount, IsShownGroupedWhileTheTextStaysPlain)
{
    Loan l("", "10%", "12");
    l.Type("1234567");
    EXPECT_EQ(l.entry.AmountText(), "1234567");
    EXPECT_EQ(l.view.shown.amount, "1 234 567");
    l.Type(".5");
    EXPECT_EQ(l.view.shown.amount, "1 234 567.5");
}

TEST(LoanAmount, DeleteLastOnAnEmptyAmountOrTermChangesNothing)
{
    Loan l("", "10%", "");
    l.Type("<");
    EXPECT_EQ(l.entry.AmountText(), "");
    l.entry.SelectField(LoanField::Term);
    l.Type("<");
    EXPECT_EQ(l.entry.TermText(), "");
}

TEST(LoanRate, KeepsItsPercentAndTakesOneDigitAfterTheSeparator)
{
    Loan l("1000", "7.5%", "12");
    l.entry.SelectField(LoanField::Rate);
    l.Type("1");
    EXPECT_EQ(l.entry.RateText(), "7.5%");

    Loan whole("1000", "7%", "12");
    whole.entry.SelectField(LoanField::Rate);
    whole.Type(".");
    EXPECT_EQ(whole.entry.RateText(), "7.%");
    whole.Type("2");
    EXPECT_EQ(whole.entry.RateText(), "7.2%");
    whole.Type("3");
    EXPECT_EQ(whole.entry.RateText(), "7.2%");
}

TEST(LoanRate, DeleteLastKeepsThePercent)
{
    Loan l("1000", "5%", "12");
    l.entry.SelectField(LoanField::Rate);
    l.Type("<");
    EXPECT_EQ(l.entry.RateText(), "%");
    l.Type("<");
    EXPECT_EQ(l.entry.RateText(), "%");
    l.Type(".");
    EXPECT_EQ(l.entry.RateText(), "0.%");
}

TEST(LoanRate, AStoredTextWithoutPercentGetsOne)
{
    Loan l("1000", "7.5", "12");
    EXPECT_EQ(l.entry.RateText(), "7.5%");
    l.entry.SetRateText("");
    EXPECT_EQ(l.entry.RateText(), "%");
    l.entry.SetRateText("10%");
    EXPECT_EQ(l.entry.RateText(), "10%");

    // So the keys never take a digit of the number for the "%", nor anything from nothing.
    Loan empty("1000", "", "12");
    empty.entry.SelectField(LoanField::Rate);
    empty.Type("<");
    EXPECT_EQ(empty.entry.RateText(), "%");
    empty.Type("5");
    EXPECT_EQ(empty.entry.RateText(), "5%");

    Loan bare("1000", "7", "12");
    bare.entry.SelectField(LoanField::Rate);
    bare.Type("<");
    EXPECT_EQ(bare.entry.RateText(), "%");
}

TEST(LoanTerm, TakesNoSeparatorAndHidesItsKey)
{
    Loan l;
    l.entry.SelectField(LoanField::Term);
    EXPECT_FALSE(l.view.shown.pointShown);
    l.Type(".");
    l.Type(",");
    EXPECT_EQ(l.entry.TermText(), "12");
    l.Type("0");
    EXPECT_EQ(l.entry.TermText(), "120");
}

TEST(LoanEntry, ClearFieldEmptiesTheSelectedInputOnly)
{
    Loan l;
    l.entry.ClearField();
    EXPECT_EQ(l.entry.AmountText(), "");
    l.entry.SelectField(LoanField::Rate);
    l.entry.ClearField();
    EXPECT_EQ(l.entry.RateText(), "%");
    l.entry.SelectField(LoanField::Term);
    l.entry.ClearField();
    EXPECT_EQ(l.entry.TermText(), "");
    EXPECT_FALSE(l.view.shown.equalsEnabled);
}

TEST(LoanEntry, ClearAllEmptiesEverythingButKeepsTheSelection)
{
    Loan l;
    l.Compute();
    l.entry.SelectField(LoanField::Rate);
    l.entry.ClearAll();
    EXPECT_EQ(l.entry.AmountText(), "");
    EXPECT_EQ(l.entry.TermText(), "");
    EXPECT_EQ(l.entry.RateText(), "%");
    EXPECT_EQ(l.entry.ResultText(), "");
    EXPECT_EQ(l.view.shown.result, "");
    EXPECT_EQ(l.entry.Selected(), LoanField::Rate);
    EXPECT_EQ(l.view.LastRepaint(), kLoanPanelAll);
    EXPECT_FALSE(l.view.shown.equalsEnabled);
    EXPECT_EQ(l.Compute(), "");
}

TEST(LoanEntry, RestoredTextsTakeTheCurrentSeparator)
{
    Loan loan;
    loan.entry.SetAmountText("1.5");
    loan.entry.SetRateText("7.5%");
    loan.entry.SetCommaPoint(true);
    loan.entry.AdoptSeparator();
    EXPECT_EQ(loan.entry.AmountText(), "1,5");
    EXPECT_EQ(loan.entry.RateText(), "7,5%");
    loan.entry.SelectField(LoanField::Rate);
    loan.Type(",");  // already holds the separator: nothing is added
    EXPECT_EQ(loan.entry.RateText(), "7,5%");
}
