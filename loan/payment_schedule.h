#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The loan's payment schedule, month by month, in whole cents: computed with integers, so
// that 360 months leave no binary drift.
//
// The payment is the loan window's own (before its text rounds it) rounded to cents; each
// month's interest is the balance before it times the yearly rate / 12 / 100, rounded to
// cents; the principal is the rest of the payment; the last month pays whatever is left, so
// the final balance is exactly 0. With a rate of 0 the payment is the amount / months in
// cents, and the last month again takes the remainder. Rounding is half away from zero.
struct ScheduleRow {
    int month = 0;
    int64_t payment = 0;  // cents
    int64_t interest = 0;
    int64_t principal = 0;
    int64_t balance = 0;  // after the payment
};

struct PaymentSchedule {
    std::vector<ScheduleRow> rows;
    int64_t totalPaid = 0;
    int64_t totalInterest = 0;
};

// The amounts handled exactly lie below 2^46 = 70 368 744 177 664: there the doubles are
// less than a cent apart, so every amount in cents is read as a double of its own, and the
// interest products fit the integers used. A larger amount gets no schedule.
constexpr double kMaxScheduleAmount = 70368744177664.0;
// The longest term that gets a schedule: 833 years, far beyond any loan.
constexpr int kMaxScheduleMonths = 9999;
// The rate is taken to this many decimal places of a percent (the keys type one).
constexpr int kRateDecimals = 6;

// Rounds to the nearest integer, halves away from zero.
int64_t RoundHalfAway(long double value);

// The schedule of `amount` at `yearlyRate` percent over `months`, paying `payment` a month
// (the loan window's unrounded payment; ignored at a rate of 0). Nothing when there is no
// schedule to show: no amount, a term that is not a whole number of months from 1 to
// kMaxScheduleMonths, a negative, non-finite or absurd rate (a billion percent), a
// non-finite payment, or an amount of kMaxScheduleAmount or more.
std::optional<PaymentSchedule> BuildSchedule(double amount, double yearlyRate, double months, double payment);
// Whether BuildSchedule would give one, without building it.
bool HasSchedule(double amount, double yearlyRate, double months, double payment);

// Cents as the loan window writes amounts: "1 234.56", grouped, with `separator`.
std::string FormatCents(int64_t cents, char separator);

// The whole table as tab-separated text for a spreadsheet: a header row, then one line per
// month, numbers without group spaces and with `separator`; CR LF between lines.
std::string ScheduleText(const PaymentSchedule& schedule, char separator);
