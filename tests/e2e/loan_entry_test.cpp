// Typing a loan into the loan window, with its keys and with the keyboard, and computing it
// with "=", with Enter and with the "=" character; copying the result line and pasting an
// amount through the clipboard.
#include "clipboard_text.h"
#include "command_ids.h"
#include "control_ids.h"
#include "host_shell.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "loan_fixture.h"
#include "resource_ids.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

class LoanEntryTest : public LoanTest {
protected:
    // Ctrl+Delete empties every field and the result.
    void ClearAll()
    {
        ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, VK_DELETE));
        ASSERT_TRUE(LoanShows("", "%", "", ""));
    }

    testing::AssertionResult Type(const std::string& text)
    {
        if (!BringToForeground(Loan()))
            return testing::AssertionFailure() << "the loan window did not come to the front";
        if (!TypeText(text))
            return testing::AssertionFailure() << "\"" << text << "\" could not be typed";
        return testing::AssertionSuccess();
    }

    testing::AssertionResult Key(WORD vk) { return PressKeyAndWait(Loan(), vk); }

    testing::AssertionResult ClickDigits(const std::string& digits)
    {
        for (char c : digits) {
            const int id = c == '.' ? IDC_KEY_POINT : IDC_KEY_DIGIT0 + (c - '0');
            testing::AssertionResult clicked = Click(Loan(), id);
            if (!clicked)
                return clicked;
        }
        return testing::AssertionSuccess();
    }
};

TEST_F(LoanEntryTest, KeypadClicksEnterTheLoanAndTheEqualsKeyComputes)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(ClearAll());
    EXPECT_FALSE(IsControlEnabled(Loan(), IDC_LOAN_COMPUTE)) << "\"=\" is enabled without a loan";

    ASSERT_TRUE(ClickDigits("250000"));
    EXPECT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "250 000"));

    ASSERT_TRUE(Click(Loan(), IDC_LOAN_RADIO_RATE));
    EXPECT_EQ(SelectedField(), 1);
    ASSERT_TRUE(ClickDigits("7.5"));
    EXPECT_TRUE(LoanReads(IDC_LOAN_RATE, "7.5%"));
    // One separator only.
    EXPECT_FALSE(IsControlEnabled(Loan(), IDC_KEY_POINT));

    ASSERT_TRUE(Click(Loan(), IDC_LOAN_RADIO_TERM));
    EXPECT_EQ(SelectedField(), 2);
    // A term has no decimals: the "." key is hidden while it is selected.
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(Control(Loan(), IDC_KEY_POINT)); }))
        << "the \".\" key is shown on Term";
    ASSERT_TRUE(ClickDigits("360"));
    EXPECT_TRUE(LoanReads(IDC_LOAN_TERM, "360"));
    // Editing does not compute.
    EXPECT_EQ(ControlText(Loan(), IDC_LOAN_RESULT), "");

    ASSERT_TRUE(Click(Loan(), IDC_LOAN_COMPUTE));
    EXPECT_TRUE(LoanReads(IDC_LOAN_RESULT, "1 748.04 - 629 293.06"));

    ASSERT_TRUE(Click(Loan(), IDC_LOAN_RADIO_AMOUNT));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(Control(Loan(), IDC_KEY_POINT)) != FALSE; }))
        << "the \".\" key stayed hidden on Amount";
}

TEST_F(LoanEntryTest, KeyboardEntryWithDownAndEnter)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(ClearAll());
    ASSERT_EQ(SelectedField(), 0);
    ASSERT_TRUE(Type("1000000"));
    EXPECT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "1 000 000"));
    ASSERT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(SelectedField(), 1);
    ASSERT_TRUE(Type("10"));
    EXPECT_TRUE(LoanReads(IDC_LOAN_RATE, "10%"));
    ASSERT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(SelectedField(), 2);
    // "." on the term changes nothing.
    ASSERT_TRUE(Type("1.2"));
    EXPECT_TRUE(LoanReads(IDC_LOAN_TERM, "12"));
    ASSERT_TRUE(Key(VK_RETURN));
    // The payment keeps its decimals; the total, past 1000000, loses them.
    EXPECT_TRUE(LoanReads(IDC_LOAN_RESULT, "87 915.89 - 1 054 991"));
    // Enter never closes the window.
    EXPECT_TRUE(IsWindow(Loan()));
}

// Enter computes on its release alone or with Shift; with Ctrl it does not.
TEST_F(LoanEntryTest, ShiftEnterComputesAndCtrlEnterDoesNot)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(Type("0"));
    ASSERT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "10 000"));
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, VK_RETURN));
    EXPECT_EQ(ControlText(Loan(), IDC_LOAN_RESULT), "87.92 - 1 054.99");
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_SHIFT}, VK_RETURN));
    EXPECT_TRUE(LoanReads(IDC_LOAN_RESULT, "879.16 - 10 549.91"));
}

TEST_F(LoanEntryTest, UpAndDownWrapAroundTheFields)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_EQ(SelectedField(), 0);
    ASSERT_TRUE(Key(VK_UP));
    EXPECT_EQ(SelectedField(), 2);
    ASSERT_TRUE(Key(VK_UP));
    EXPECT_EQ(SelectedField(), 1);
    ASSERT_TRUE(Key(VK_UP));
    EXPECT_EQ(SelectedField(), 0);
    ASSERT_TRUE(Key(VK_DOWN));
    ASSERT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(SelectedField(), 2);
    ASSERT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(SelectedField(), 0);
}

// The "=" character computes; an edit leaves the old result on screen until then.
TEST_F(LoanEntryTest, EqualsCharacterComputesAfterAnEdit)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(LoanShows("1 000", "10%", "12", "87.92 - 1 054.99"));
    ASSERT_TRUE(Type("0000"));
    EXPECT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "10 000 000"));
    EXPECT_EQ(ControlText(Loan(), IDC_LOAN_RESULT), "87.92 - 1 054.99");
    ASSERT_TRUE(Type("="));
    EXPECT_TRUE(LoanReads(IDC_LOAN_RESULT, "879 159 - 10 549 906"));
}

TEST_F(LoanEntryTest, BackspaceAndShiftDeleteEdit)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(Key(VK_BACK));
    EXPECT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "100"));
    ASSERT_TRUE(Key(VK_DOWN));
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_SHIFT}, VK_DELETE));
    EXPECT_TRUE(LoanReads(IDC_LOAN_RATE, "%"));
    EXPECT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "100"));
    EXPECT_FALSE(IsControlEnabled(Loan(), IDC_LOAN_COMPUTE));
}

TEST_F(LoanEntryTest, CopyPutsTheResultLineOnTheClipboard)
{
    ASSERT_TRUE(SetClipboardText("before the copy"));
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'C'));
    EXPECT_EQ(GetClipboardText(), std::optional<std::string>("87.92 - 1 054.99"));
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("87.92 - 1 054.99"));

    // The menu item too, and with the decimal comma the line carries commas.
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'P'));
    ASSERT_TRUE(LoanReads(IDC_LOAN_RESULT, "87,92 - 1 054,99"));
    ASSERT_TRUE(SendSystemCommand(Loan(), IDM_COPY));
    EXPECT_EQ(GetClipboardText(), std::optional<std::string>("87,92 - 1 054,99"));
}

// The pasted amount loses its spaces and takes the window's separator, whatever field is
// selected; the result is not recomputed until asked.
TEST_F(LoanEntryTest, PastePutsTheClipboardAmountIn)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(Key(VK_DOWN));
    ASSERT_TRUE(SetClipboardText("1 500,75"));
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'V'));
    EXPECT_TRUE(LoanShows("1 500.75", "10%", "12", "87.92 - 1 054.99"));
    EXPECT_EQ(SelectedField(), 1);

    ASSERT_TRUE(SetClipboardText("250k"));
    ASSERT_TRUE(SendSystemCommand(Loan(), IDM_PASTE));
    EXPECT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "250"));
    ASSERT_TRUE(SetClipboardText("2 000"));
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_SHIFT}, VK_INSERT));
    EXPECT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "2 000"));
}

}  // namespace
}  // namespace e2e
