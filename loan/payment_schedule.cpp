#include "payment_schedule.h"

#include <cmath>

// Why nothing here overflows, from the bounds HasSchedule sets (A the amount in cents, R the
// rate in millionths of a percent, n the months, P the payment in cents, E the extra):
// - A < 2^46 x 100 < 2^53 and R < 10^15 < 2^50, so every balance x rate product is below
//   2^103: it is taken in 128 bits.
// - The first month's interest I1 is the largest of all (the balance only falls and the
//   rounding is monotone), and it is below 2^62 / n. With n > 1 the payment exceeds it and
//   P <= 2^62 / n as well.
// - Every row pays at most max(P + E, A + I1) < 2^62 + 2^54, with E capped at A.
// - Every schedule repays A, so its total is A plus its interest. Without the extra, n - 1
//   months pay P and the last A + I1 at most: below 2^62 + 2^53. An extra only lowers every
//   balance and so every month's interest: the total with it is no larger. Totals fit 63 bits.

namespace {

using Wide = __int128;

// The interest of a month: balance x R / (12 months x 100 percent x 10^kRateDecimals).
constexpr int64_t kRateDivisor = int64_t{1200} * 1000000;
static_assert(kRateDecimals == 6, "kRateDivisor counts millionths of a percent");

// n / d rounded half away from zero, for n >= 0 and d > 0.
Wide DivideRounded(Wide n, Wide d)
{
    return (2 * n + d) / (2 * d);
}

// The loan in whole numbers, checked against the bounds above.
struct Start {
    int64_t amount = 0;   // A
    int64_t rate = 0;     // R
    int months = 0;       // n
    int64_t payment = 0;  // P
};

// Every test is written so that a NaN fails it.
std::optional<Start> StartOf(const ScheduleLoan& loan)
{
    if (!(loan.amount > 0.0 && loan.amount < kMaxScheduleAmount))
        return std::nullopt;
    if (!(loan.months >= 1.0 && loan.months <= kMaxScheduleMonths) || std::floor(loan.months) != loan.months)
        return std::nullopt;
    if (!(loan.yearlyRate >= 0.0 && loan.yearlyRate < kMaxScheduleRate))
        return std::nullopt;

    Start s;
    s.months = static_cast<int>(loan.months);
    // A double below 2^46 times 100 needs at most 60 bits: exact with a 64-bit mantissa.
    s.amount = RoundHalfAway(static_cast<long double>(loan.amount) * 100.0L);
    if (s.amount == 0)  // less than half a cent: nothing to pay back
        return std::nullopt;
    s.rate = RoundHalfAway(static_cast<long double>(loan.yearlyRate) * 1e6L);
    const int64_t most = kMaxScheduleTotal / s.months;
    if (s.rate == 0) {
        s.payment = static_cast<int64_t>(DivideRounded(s.amount, s.months));  // at most A
    } else {
        // Checked before it is converted: an out-of-range conversion is undefined.
        const long double cents = static_cast<long double>(loan.payment) * 100.0L;
        if (!(cents >= 0.0L && cents < static_cast<long double>(most)))
            return std::nullopt;
        s.payment = RoundHalfAway(cents);
    }
    const Wide firstInterest = DivideRounded(Wide{s.amount} * s.rate, kRateDivisor);
    if (firstInterest >= most)
        return std::nullopt;
    // A first month that is not the last and repays nothing: no later month repays more.
    if (s.months > 1 && s.payment <= firstInterest)
        return std::nullopt;
    return s;
}

}  // namespace

int64_t RoundHalfAway(long double value)
{
    return static_cast<int64_t>(std::round(value));
}

bool HasSchedule(const ScheduleLoan& loan)
{
    return StartOf(loan).has_value();
}

std::optional<PaymentSchedule> BuildSchedule(const ScheduleLoan& loan, int64_t extraCents)
{
    const std::optional<Start> start = StartOf(loan);
    if (!start)
        return std::nullopt;
    const Start& s = *start;
    // More than the amount ends the loan in the first month, as the amount does.
    const int64_t extra = extraCents < 0 ? 0 : (extraCents > s.amount ? s.amount : extraCents);
    const int64_t monthly = s.payment + extra;

    PaymentSchedule schedule;
    schedule.amount = s.amount;
    schedule.rows.reserve(static_cast<size_t>(s.months));
    int64_t balance = s.amount;
    for (int month = 1; month <= s.months && balance > 0; ++month) {
        ScheduleRow row;
        row.month = month;
        row.interest = static_cast<int64_t>(DivideRounded(Wide{balance} * s.rate, kRateDivisor));
        const int64_t owed = balance + row.interest;
        // The term's last month, or a payment that would be more than is owed, pays that.
        row.payment = month == s.months || monthly >= owed ? owed : monthly;
        row.principal = row.payment - row.interest;
        balance -= row.principal;
        row.balance = balance;
        schedule.totalPaid += row.payment;
        schedule.totalInterest += row.interest;
        schedule.rows.push_back(row);
    }
    return schedule;
}

ScheduleSavings SavingsOf(const PaymentSchedule& without, const PaymentSchedule& with)
{
    ScheduleSavings savings;
    savings.monthsSooner = static_cast<int>(without.rows.size()) - static_cast<int>(with.rows.size());
    savings.lessInterest = without.totalInterest - with.totalInterest;
    return savings;
}
