#include "loan_fixture.h"

#include "key_delivery.h"
#include "resource_ids.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {

void LoanTest::TearDown()
{
    // The calculator waits in the loan window's modal loop: that one goes first.
    if (loan_ != nullptr && IsWindow(loan_)) {
        PostSystemCommand(loan_, SC_CLOSE);
        WaitUntil([&] { return !IsWindow(loan_); });
    }
    CalculatorTest::TearDown();
}

void LoanTest::OpenLoan()
{
    if (!app_.Running()) {
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
    }
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'L'));
    loan_ = WaitForLoanWindow();
    ASSERT_NE(loan_, nullptr) << "Ctrl+L opened no window titled \"" << CurrentEdition().loanTitle << "\"";
}

void LoanTest::CloseLoan()
{
    ASSERT_TRUE(PostSystemCommand(loan_, SC_CLOSE));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(loan_); })) << "the loan window did not close";
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }))
        << "the calculator stayed disabled after the loan window closed";
}

void LoanTest::WaitForRecreatedLoan(HWND old)
{
    loan_ = WaitForLoanWindow(old);
    ASSERT_NE(loan_, nullptr) << "no new loan window appeared";
}

testing::AssertionResult LoanTest::LoanReads(int id, const std::string& expected)
{
    return WaitForControlText(loan_, id, expected);
}

testing::AssertionResult LoanTest::LoanShows(const std::string& amount, const std::string& rate,
                                             const std::string& term, const std::string& result)
{
    const struct {
        int id;
        const std::string& text;
    } panels[] = {
        {IDC_LOAN_AMOUNT, amount}, {IDC_LOAN_RATE, rate}, {IDC_LOAN_TERM, term}, {IDC_LOAN_RESULT, result}};
    for (const auto& panel : panels) {
        testing::AssertionResult reads = LoanReads(panel.id, panel.text);
        if (!reads)
            return reads;
    }
    return testing::AssertionSuccess();
}

int LoanTest::SelectedField() const
{
    int selected = -1;
    const int radios[] = {IDC_LOAN_RADIO_AMOUNT, IDC_LOAN_RADIO_RATE, IDC_LOAN_RADIO_TERM};
    for (int i = 0; i < 3; ++i) {
        if (CheckState(loan_, radios[i]) == BST_CHECKED) {
            if (selected != -1)
                return -1;
            selected = i;
        }
    }
    return selected;
}

}  // namespace e2e
