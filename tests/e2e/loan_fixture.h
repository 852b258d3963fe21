// Tests of the loan calculator window: the calculator is started and its loan window opened
// with Ctrl+L typed on the keyboard; both are closed again in order at the end.
#pragma once

#include "calculator_fixture.h"

namespace e2e {

class LoanTest : public CalculatorTest {
protected:
    void TearDown() override;

    // Starts the calculator, unless it runs, and opens the loan window with Ctrl+L.
    // Call through ASSERT_NO_FATAL_FAILURE.
    void OpenLoan();
    // Closes the loan window with its Close command and waits until the calculator can be
    // used again. Call through ASSERT_NO_FATAL_FAILURE.
    void CloseLoan();
    // After the loan window ended to be created again (Big Font): takes the new one.
    void WaitForRecreatedLoan(HWND old);

    // Waits until the panel reads `expected`.
    testing::AssertionResult LoanReads(int id, const std::string& expected);

    // The four panels at once: amount, rate, term, result.
    testing::AssertionResult LoanShows(const std::string& amount, const std::string& rate,
                                       const std::string& term, const std::string& result);

    // Which of the three field radios is checked: 0 amount, 1 rate, 2 term, -1 none or more.
    int SelectedField() const;

    HWND Loan() const { return loan_; }

    HWND loan_ = nullptr;
};

}  // namespace e2e
