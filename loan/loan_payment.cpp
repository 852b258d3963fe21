// Reading the three inputs, the annuity payment and the result line.
#include <cmath>

#include "group_digits.h"
#include "loan_entry.h"
#include "number_text.h"

namespace {

// The double nearest to 1/1200: a yearly rate in percent to a monthly fraction.
constexpr double kMonthlyRateFactor = 0.0008333333333333334;

// Below these the texts keep their cents; above, the digits before the point are enough
// and the line stays short.
constexpr double kPaymentCentsBelow = 100000.0;
constexpr double kTotalCentsBelow = 1000000.0;

// The annuity payment, rounded exactly where it has always been rounded, so a stored loan
// keeps its cents from release to release: the monthly rate and 1 + r to double, the power in
// double, the rest with a 64-bit mantissa.
long double MonthlyPayment(double rate, double months, double amount)
{
    const double r = static_cast<double>(static_cast<long double>(rate) * kMonthlyRateFactor);
    const double base = static_cast<double>(1.0L + static_cast<long double>(r));
    const long double f = std::pow(base, months);
    return f * r / (f - 1.0L) * amount;
}

std::string AsDecimal(std::string text, bool commaPoint)
{
    if (commaPoint)
        ReplaceChar(text, ',', '.');
    return text;
}

}  // namespace

bool LoanEntry::ValidateInputs()
{
    amount_ = ReadDecimalPrefix(AsDecimal(amountText_, commaPoint_));
    months_ = ReadDecimalPrefix(termText_);
    rate_ = ReadDecimalPrefix(AsDecimal(rateText_, commaPoint_));
    return amount_ > 0.0 && months_ > 0.0 && rate_ > 0.0;
}

void LoanEntry::ComputeLoan()
{
    if (!ValidateInputs()) {
        resultText_.clear();
        RefreshLoan(kLoanPanelResult);
        return;
    }

    const long double payment = MonthlyPayment(rate_, months_, amount_);
    payment_ = static_cast<double>(payment);
    total_ = static_cast<double>(payment * months_);

    FormatResult();
    RefreshLoan(kLoanPanelResult);
    view_.Announce(resultText_, Announcement::Result);
}

void LoanEntry::FormatResult()
{
    const std::string payment = FormatNumber(payment_ >= kPaymentCentsBelow ? "%.0f" : "%.2f", payment_);
    const std::string total = FormatNumber(total_ >= kTotalCentsBelow ? "%.0f" : "%.2f", total_);
    resultText_ = GroupDigits(payment, 3) + " - " + GroupDigits(total, 3);
    if (commaPoint_)
        ReplaceChar(resultText_, '.', ',');
}

ScheduleLoan LoanEntry::ScheduleInputs()
{
    ValidateInputs();
    return ParsedLoan();
}

ScheduleLoan LoanEntry::ParsedLoan() const
{
    ScheduleLoan loan;
    loan.amount = amount_;
    loan.yearlyRate = rate_;
    loan.months = months_;
    loan.payment = rate_ > 0.0 ? static_cast<double>(MonthlyPayment(rate_, months_, amount_)) : 0.0;
    return loan;
}

std::optional<PaymentSchedule> LoanEntry::Schedule()
{
    return BuildSchedule(ScheduleInputs());
}
