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

// The rate as an exact decimal: millionths of a percent.
int64_t RateMillionths(double yearlyRate)
{
    return static_cast<int64_t>(std::round(static_cast<long double>(yearlyRate) * 1e6L));
}

}  // namespace

int64_t RoundHalfAway(long double value)
{
    return static_cast<int64_t>(std::round(value));
}

bool HasSchedule(double amount, double yearlyRate, double months, double payment)
{
    // A rate of a million percent a year and more is no loan anyone pays; below it, and with
    // a payment below four times the largest amount, every product fits the integers.
    return amount > 0.0 && amount < kMaxScheduleAmount && months >= 1.0 && months <= kMaxScheduleMonths &&
           std::floor(months) == months && yearlyRate >= 0.0 && yearlyRate < 1e9 &&
           (RateMillionths(yearlyRate) == 0 || std::fabs(payment) < 4.0 * kMaxScheduleAmount);
}

std::optional<PaymentSchedule> BuildSchedule(double amount, double yearlyRate, double months, double payment)
{
    if (!HasSchedule(amount, yearlyRate, months, payment))
        return std::nullopt;
    const int count = static_cast<int>(months);
    int64_t balance = RoundHalfAway(static_cast<long double>(amount) * 100.0L);
    const Wide rate = RateMillionths(yearlyRate);
    const Wide perMonth = Wide{1200} * 1000000;  // 12 months, 100 percent, 10^6
    const int64_t monthly =
        rate == 0 ? DivideRounded(balance, count) : RoundHalfAway(static_cast<long double>(payment) * 100.0L);

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
