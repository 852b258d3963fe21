// Choosing the input and what the loan window is told to show: panels, repaints, the
// "=" and "." keys, and the separator option.
#include <gtest/gtest.h>

#include "fake_loan_view.h"

TEST(LoanPanels, StartsOnTheStoredDefaultsWithAmountSelected)
{
    Loan l;
    EXPECT_EQ(l.view.shown.amount, "1 000");
    EXPECT_EQ(l.view.shown.rate, "10%");
    EXPECT_EQ(l.view.shown.term, "12");
    EXPECT_EQ(l.view.shown.result, "");
    EXPECT_EQ(l.view.shown.selected, LoanField::Amount);
    EXPECT_TRUE(l.view.shown.equalsEnabled);
    EXPECT_TRUE(l.view.shown.pointShown);
    EXPECT_TRUE(l.view.shown.pointEnabled);
}

TEST(LoanSelection, DownAndUpWalkTheFieldsRoundAndRound)
{
    Loan l;
    const LoanField down[] = {LoanField::Rate, LoanField::Term, LoanField::Amount, LoanField::Rate};
    for (LoanField expected : down) {
        l.entry.SelectNextField();
        EXPECT_EQ(l.entry.Selected(), expected);
        EXPECT_EQ(l.view.shown.selected, expected);
    }
    l.entry.SelectField(LoanField::Amount);
    const LoanField up[] = {LoanField::Term, LoanField::Rate, LoanField::Amount, LoanField::Term};
    for (LoanField expected : up) {
        l.entry.SelectPreviousField();
        EXPECT_EQ(l.entry.Selected(), expected);
    }
}

TEST(LoanSelection, KeysEditTheFieldTheRadioGroupShows)
{
    Loan l;
    l.entry.ReadBackField(2);  // the user clicked the Term radio
    l.Type("0");
    EXPECT_EQ(l.entry.TermText(), "120");
    EXPECT_EQ(l.entry.AmountText(), "1000");

    l.entry.ReadBackField(-1);  // no radio checked
    EXPECT_EQ(l.entry.Selected(), LoanField::Term);
    l.entry.ReadBackField(3);
    EXPECT_EQ(l.entry.Selected(), LoanField::Term);
    l.entry.ReadBackField(1);
    EXPECT_EQ(l.entry.Selected(), LoanField::Rate);
}

TEST(LoanPanels, EachEditRepaintsThePanelOfItsField)
{
    Loan l;
    l.Type("1");
    EXPECT_EQ(l.view.LastRepaint(), kLoanPanelAmount);
    l.entry.SelectField(LoanField::Rate);
    l.Type("<");
    EXPECT_EQ(l.view.LastRepaint(), kLoanPanelRate);
    l.entry.SelectField(LoanField::Term);
    l.entry.ClearField();
    EXPECT_EQ(l.view.LastRepaint(), kLoanPanelTerm);
    l.Compute();
    EXPECT_EQ(l.view.LastRepaint(), kLoanPanelResult);
}

TEST(LoanKeys, EqualsIsEnabledExactlyWhenAllInputsAreAboveZero)
{
    struct Case {
        const char* amount;
        const char* rate;
        const char* term;
        bool enabled;
    };
    const Case cases[] = {
        {"1000", "10%", "12", true}, {"0.01", "0.1%", "1", true}, {"", "10%", "12", false},
        {"1000", "%", "12", false},  {"1000", "10%", "", false},  {"0", "10%", "12", false},
        {"1000", "0%", "12", false}, {"1000", "10%", "0", false}, {"0.", "10%", "12", false},
        {"-5", "10%", "12", false},  {"abc", "10%", "12", false}, {"1E3", "10%", "12", true},
    };
    for (const Case& c : cases) {
        Loan l(c.amount, c.rate, c.term);
        EXPECT_EQ(l.view.shown.equalsEnabled, c.enabled) << c.amount << " / " << c.rate << " / " << c.term;
    }

    Loan typed("", "10%", "12");
    EXPECT_FALSE(typed.view.shown.equalsEnabled);
    typed.Type("5");
    EXPECT_TRUE(typed.view.shown.equalsEnabled);
}

TEST(LoanKeys, PointKeyIsEnabledWhileTheSelectedTextHasNoSeparator)
{
    Loan l("12", "7.5%", "12");
    EXPECT_TRUE(l.view.shown.pointEnabled);
    l.Type(".");
    EXPECT_FALSE(l.view.shown.pointEnabled);
    l.Type("<");
    EXPECT_TRUE(l.view.shown.pointEnabled);
    l.entry.SelectField(LoanField::Rate);
    EXPECT_TRUE(l.view.shown.pointShown);
    EXPECT_FALSE(l.view.shown.pointEnabled);
    l.entry.SelectField(LoanField::Term);
    EXPECT_FALSE(l.view.shown.pointShown);
    l.entry.SelectField(LoanField::Amount);
    EXPECT_TRUE(l.view.shown.pointShown);
    EXPECT_TRUE(l.view.shown.pointEnabled);

    // With the comma option the same holds for ",".
    Loan comma("12", "10%", "12");
    comma.entry.SetCommaPoint(true);
    comma.entry.RefreshLoan(kLoanPanelAll);
    EXPECT_TRUE(comma.view.shown.pointEnabled);
    comma.Type(".");
    EXPECT_EQ(comma.entry.AmountText(), "12,");
    EXPECT_FALSE(comma.view.shown.pointEnabled);
}

TEST(LoanPanels, RefreshShowsTheAmountWithTheCurrentSeparator)
{
    Loan l("1234,5", "10%", "12");
    EXPECT_EQ(l.entry.AmountText(), "1234.5");
    EXPECT_EQ(l.view.shown.amount, "1 234.5");

    l.entry.SetCommaPoint(true);
    l.entry.RefreshLoan(kLoanPanelAll);
    EXPECT_EQ(l.entry.AmountText(), "1234,5");
    EXPECT_EQ(l.view.shown.amount, "1 234,5");
}

TEST(LoanPanels, SwitchSeparatorChangesTheShownTextsWithoutComputing)
{
    Loan l("1234.5", "7.5%", "360");
    l.Compute();
    const std::string before = l.entry.ResultText();
    l.entry.SetTermText("24");  // neither read nor computed by the switch

    l.ToggleComma();
    EXPECT_EQ(l.entry.AmountText(), "1234,5");
    EXPECT_EQ(l.entry.RateText(), "7,5%");
    EXPECT_EQ(l.view.shown.amount, "1 234,5");
    EXPECT_EQ(l.view.shown.rate, "7,5%");
    EXPECT_EQ(l.view.shown.term, "24");
    EXPECT_DOUBLE_EQ(l.entry.Months(), 360.0);
    EXPECT_EQ(l.view.LastRepaint(), kLoanPanelAmount | kLoanPanelRate | kLoanPanelResult);
    std::string expected = before;
    for (char& c : expected)
        if (c == '.')
            c = ',';
    EXPECT_EQ(l.view.shown.result, expected);

    // Typing goes on with the new separator, and the inputs read the same.
    l.entry.SelectField(LoanField::Rate);
    l.Type("<.");
    EXPECT_EQ(l.entry.RateText(), "7,%");
    EXPECT_DOUBLE_EQ(l.entry.Rate(), 7.0);

    l.ToggleComma();
    EXPECT_EQ(l.entry.AmountText(), "1234.5");
    EXPECT_EQ(l.view.shown.result, before);
}
