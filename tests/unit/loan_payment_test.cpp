// The payment formula, the result line and when there is none.
#include <gtest/gtest.h>

#include <cmath>

#include "fake_loan_view.h"

TEST(LoanPayment, ResultLinesOfKnownLoans)
{
    struct Case {
        const char* amount;
        const char* rate;
        const char* term;
        const char* result;
    };
    const Case cases[] = {
        {"1000", "10%", "12", "87.92 - 1 054.99"},
        {"250000", "7.5%", "360", "1 748.04 - 629 293.06"},
        // The total passes a million and loses its cents while the payment keeps them.
        {"1000000", "10%", "12", "87 915.89 - 1 054 991"},
        {"10000000", "10%", "12", "879 159 - 10 549 906"},
        {"1000", "0.1%", "1", "1 000.08 - 1 000.08"},
        {"1234.56", "12%", "6", "213.02 - 1 278.13"},
    };
    for (const Case& c : cases) {
        Loan l(c.amount, c.rate, c.term);
        EXPECT_EQ(l.Compute(), c.result) << c.amount << " / " << c.rate << " / " << c.term;
        EXPECT_EQ(l.entry.ResultText(), c.result);
    }
}

TEST(LoanPayment, KeepsTheNumbersBehindTheLine)
{
    Loan l;
    l.Compute();
    EXPECT_DOUBLE_EQ(l.entry.Amount(), 1000.0);
    EXPECT_DOUBLE_EQ(l.entry.Rate(), 10.0);
    EXPECT_DOUBLE_EQ(l.entry.Months(), 12.0);
    EXPECT_NEAR(l.entry.Payment(), 87.9159, 1e-4);
    EXPECT_NEAR(l.entry.Total(), 1054.99, 1e-2);
}

TEST(LoanPayment, CommaPointWritesTheLineWithCommas)
{
    Loan l;
    l.entry.SetCommaPoint(true);
    EXPECT_EQ(l.Compute(), "87,92 - 1 054,99");

    Loan typed("", "%", "");
    typed.entry.SetCommaPoint(true);
    typed.Type("1000,5");
    typed.entry.SelectField(LoanField::Rate);
    typed.Type("7,5");
    typed.entry.SelectField(LoanField::Term);
    typed.Type("12");
    EXPECT_DOUBLE_EQ(typed.entry.Amount(), 1000.5);
    EXPECT_DOUBLE_EQ(typed.entry.Rate(), 7.5);
    EXPECT_EQ(typed.Compute(), "86,80 - 1 041,61");
    EXPECT_EQ(typed.entry.AmountText(), "1000,5");  // read through a copy
}

TEST(LoanPayment, InvalidInputsEmptyTheLineAndKeepTheLastNumbers)
{
    const char* const invalid[][3] = {
        {"1000", "0%", "12"}, {"1000", "10%", "0"}, {"", "10%", "12"},
        {"1000", "%", "12"},  {"1000", "10%", ""},
    };
    for (const auto& inputs : invalid) {
        Loan l;
        l.Compute();
        const double payment = l.entry.Payment();
        l.entry.SetAmountText(inputs[0]);
        l.entry.SetRateText(inputs[1]);
        l.entry.SetTermText(inputs[2]);
        l.entry.RefreshLoan(kLoanPanelAll);
        EXPECT_FALSE(l.view.shown.equalsEnabled);
        EXPECT_EQ(l.Compute(), "") << inputs[0] << " / " << inputs[1] << " / " << inputs[2];
        EXPECT_EQ(l.view.LastRepaint(), kLoanPanelResult);
        EXPECT_EQ(l.entry.Payment(), payment);
    }
}

TEST(LoanPayment, TheInputsAreReadAsDecimalNumbers)
{
    // An exponent counts; what strtod alone would also take does not.
    Loan exponent("12E3", "10%", "12");
    EXPECT_DOUBLE_EQ(exponent.entry.Amount(), 12000.0);
    Loan hex("0x10", "10%", "12");
    EXPECT_FALSE(hex.view.shown.equalsEnabled);
    Loan infinity("1000", "inf%", "12");
    EXPECT_FALSE(infinity.view.shown.equalsEnabled);
    Loan nan("1000", "10%", "nan");
    EXPECT_FALSE(nan.view.shown.equalsEnabled);
}

TEST(LoanPayment, EditsLeaveTheLastResultOnScreen)
{
    Loan l;
    l.Compute();
    l.Type("0");
    EXPECT_EQ(l.entry.AmountText(), "10000");
    EXPECT_EQ(l.view.shown.result, "87.92 - 1 054.99");
    l.entry.SelectField(LoanField::Term);
    l.entry.ClearField();
    EXPECT_EQ(l.view.shown.result, "87.92 - 1 054.99");
    l.Type("12");
    EXPECT_EQ(l.Compute(), "879.16 - 10 549.91");
}

TEST(LoanPayment, HugeResultsAreWrittenOutInFull)
{
    // About 8.8e306 a month: every digit is printed and grouped, however many.
    Loan l("1E308", "10%", "12");
    const std::string line = l.Compute();
    const size_t dash = line.find(" - ");
    ASSERT_NE(dash, std::string::npos);
    const std::string payment = line.substr(0, dash);
    EXPECT_EQ(payment.size(), 307u + 306u / 3u);
    EXPECT_EQ(payment.compare(0, 6, "8 791 "), 0);
    for (size_t i = 1; i < payment.size(); i += 4)
        EXPECT_EQ(payment[i], ' ') << i;
    EXPECT_TRUE(std::isfinite(l.entry.Total()));
    EXPECT_EQ(line.size() - dash - 3, 309u + 308u / 3u);
}

TEST(LoanPayment, OutOfRangeLoansStillGiveALine)
{
    // So small a rate that 1 + r is 1: the payment is infinite, whatever its text.
    Loan tiny("1000", "0.0000000000000001%", "12");
    tiny.Compute();
    EXPECT_TRUE(std::isinf(tiny.entry.Payment()));
    EXPECT_NE(tiny.entry.ResultText(), "");

    // So long a term that the power overflows.
    Loan endless("1000", "10%", "1000000000");
    endless.Compute();
    EXPECT_FALSE(std::isfinite(endless.entry.Payment()));
    EXPECT_NE(endless.entry.ResultText(), "");
}
