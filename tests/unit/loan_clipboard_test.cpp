// Copy of the loan result line and paste into the amount.
#include <gtest/gtest.h>

#include "calc_engine_ext.h"
#include "fake_loan_view.h"

TEST(LoanCopy, PutsTheResultLineAsShown)
{
    Loan l;
    l.entry.SetCommaPoint(true);
    l.Compute();
    l.entry.CopyResult();
    EXPECT_EQ(l.clipboard.text, "87,92 - 1 054,99");
    EXPECT_EQ(l.clipboard.puts, 1);
}

TEST(LoanCopy, WithoutAResultLeavesTheClipboardAlone)
{
    Loan l;
    l.clipboard.text = "keep me";
    l.entry.CopyResult();
    l.entry.ClearAll();
    l.Compute();
    l.entry.CopyResult();
    EXPECT_EQ(l.clipboard.text, "keep me");
    EXPECT_EQ(l.clipboard.puts, 0);
}

TEST(LoanPaste, ReplacesTheAmountWhateverFieldIsSelected)
{
    Loan l;
    l.Compute();
    l.entry.SelectField(LoanField::Term);
    l.Paste("1 500,75");
    EXPECT_EQ(l.entry.AmountText(), "1500.75");
    EXPECT_EQ(l.view.shown.amount, "1 500.75");
    EXPECT_EQ(l.view.LastRepaint(), kLoanPanelAmount);
    EXPECT_EQ(l.entry.TermText(), "12");
    EXPECT_EQ(l.entry.Selected(), LoanField::Term);
    EXPECT_EQ(l.view.shown.result, "87.92 - 1 054.99");  // not recomputed

    l.entry.SetCommaPoint(true);
    l.Paste("2.5");
    EXPECT_EQ(l.entry.AmountText(), "2,5");
}

TEST(LoanPaste, KeepsTheLeadingNumberCharacters)
{
    struct Case {
        const char* clipboard;
        const char* amount;
        double value;
    };
    const Case cases[] = {
        {"250k", "250", 250.0},     // "k" ends the number
        {"12E3", "12E3", 12000.0},  // a hexadecimal letter passes and makes an exponent
        {"1E5xyz", "1E5", 100000.0},     {"ab12", "ab12", 0.0},  // passes the filter, reads as no number
        {" 3 000 ", "3000", 3000.0},     {"87.92 - 1 054.99", "87.92", 87.92},
        {"1,234.56", "1.234.56", 1.234},  // the first separator is the point
    };
    for (const Case& c : cases) {
        Loan l;
        l.Paste(c.clipboard);
        EXPECT_EQ(l.entry.AmountText(), c.amount) << c.clipboard;
        EXPECT_DOUBLE_EQ(l.entry.Amount(), c.value) << c.clipboard;
    }
}

TEST(LoanPaste, NothingUsableChangesNothing)
{
    for (const char* text : {"", "   ", "-5", "k250", "%"}) {
        Loan l;
        const size_t pushes = l.view.repaints.size();
        l.Paste(text);
        EXPECT_EQ(l.entry.AmountText(), "1000") << '"' << text << '"';
        EXPECT_EQ(l.view.repaints.size(), pushes);
    }

    Loan busy;
    busy.clipboard.text = "5";
    busy.clipboard.open = false;
    busy.entry.PasteAmount();
    EXPECT_EQ(busy.entry.AmountText(), "1000");
}

// Cut to what the field holds: a longer amount would be saved, refused at the next start and
// lost.
TEST(LoanPaste, AHugeClipboardIsCutToTheField)
{
    Loan l;
    std::string text(1 << 20, '7');
    for (size_t i = 3; i < text.size(); i += 4)
        text[i] = ' ';  // spaces do not count
    l.Paste(text);
    EXPECT_EQ(l.entry.AmountText(), std::string(kLoanTextMaxLength, '7'));
    EXPECT_EQ(l.view.shown.amount.size(), kLoanTextMaxLength + (kLoanTextMaxLength - 1) / 3);
}
