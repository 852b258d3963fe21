#include "payment_schedule.h"

#include <cmath>

#include "group_digits.h"

namespace {

using Wide = __int128;

// n / d rounded half away from zero, d > 0.
int64_t DivideRounded(Wide n, Wide d)
{
    const Wide magnitude = (2 * (n < 0 ? -n : n) + d) / (2 * d);
    return static_cast<int64_t>(n < 0 ? -magnitude : magnitude);
}

std::string PlainCents(int64_t cents, char separator)
{
    const bool negative = cents < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
    std::string fraction = std::to_string(magnitude % 100);
    if (fraction.size() < 2)
        fraction.insert(0, "0");
    return (negative ? "-" : "") + std::to_string(magnitude / 100) + separator + fraction;
}

}  // namespace

int64_t RoundHalfAway(long double value)
{
    return static_cast<int64_t>(std::round(value));
}

std::optional<PaymentSchedule> BuildSchedule(double amount, double yearlyRate, double months, double payment)
{
    if (!(amount > 0.0) || !(months >= 1.0) || months > kMaxScheduleMonths || std::floor(months) != months ||
        !(yearlyRate >= 0.0) || !std::isfinite(yearlyRate))
        return std::nullopt;
    if (amount >= kMaxScheduleAmount)
        return std::nullopt;
    const int count = static_cast<int>(months);
    int64_t balance = RoundHalfAway(static_cast<long double>(amount) * 100.0L);
    // The rate as an exact decimal: millionths of a percent.
    const long double scaled = static_cast<long double>(yearlyRate) * 1e6L;
    if (scaled > 1e15L)  // a million percent a year and more: no loan anyone pays
        return std::nullopt;
    const Wide rate = RoundHalfAway(scaled);
    const Wide perMonth = Wide{1200} * 1000000;  // 12 months, 100 percent, 10^6

    int64_t monthly = 0;
    if (rate == 0) {
        monthly = DivideRounded(balance, count);
    } else {
        if (!std::isfinite(payment))
            return std::nullopt;
        // A payment far above the amount is no annuity of it (a rate of a million percent
        // is refused above); the bound keeps the cents within the integers.
        if (!(std::fabs(payment) < 4.0 * kMaxScheduleAmount))
            return std::nullopt;
        monthly = RoundHalfAway(static_cast<long double>(payment) * 100.0L);
    }

    PaymentSchedule schedule;
    schedule.rows.reserve(static_cast<size_t>(count));
    for (int month = 1; month <= count; ++month) {
        ScheduleRow row;
        row.month = month;
        row.interest = DivideRounded(Wide{balance} * rate, perMonth);
        // The last month, or a payment that would overshoot: whatever is left is paid.
        if (month == count || monthly - row.interest >= balance) {
            row.principal = balance;
            row.payment = balance + row.interest;
        } else {
            row.payment = monthly;
            row.principal = monthly - row.interest;
        }
        balance -= row.principal;
        row.balance = balance;
        schedule.totalPaid += row.payment;
        schedule.totalInterest += row.interest;
        schedule.rows.push_back(row);
        if (balance == 0)
            break;
    }
    return schedule;
}

std::string FormatCents(int64_t cents, char separator)
{
    return GroupDigits(PlainCents(cents, separator), 3);
}

std::string ScheduleText(const PaymentSchedule& schedule, char separator)
{
    std::string text = "Month\tPayment\tInterest\tPrincipal\tBalance";
    for (const ScheduleRow& row : schedule.rows) {
        text += "\r\n" + std::to_string(row.month);
        for (int64_t cents : {row.payment, row.interest, row.principal, row.balance})
            text += "\t" + PlainCents(cents, separator);
    }
    return text;
}
