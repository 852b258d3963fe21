#pragma once
#include <cstdint>
#include <optional>
#include <vector>

// The loan's payment schedule, month by month, in whole cents: computed with integers, so
// that 360 months leave no binary drift.
//
// The payment is the loan window's own (before its text rounds it) rounded to cents; each
// month's interest is the balance before it times the yearly rate / 12 / 100, rounded to
// cents; the principal is the rest of the payment. A month whose payment would be more than
// what is owed (the balance and that month's interest) pays only that and is the last; the
// term's last month always pays what is owed, so the final balance is exactly 0. With a rate
// of 0 the payment is the amount / months in cents. Rounding is half away from zero.
//
// A loan with a month, before the last, whose payment does not exceed its interest has no
// schedule: its balance would never fall, and its last month would pay the whole amount.
struct ScheduleRow {
    int month = 0;
    int64_t payment = 0;  // cents, the extra included
    int64_t interest = 0;
    int64_t principal = 0;
    int64_t balance = 0;  // after the payment
};

struct PaymentSchedule {
    std::vector<ScheduleRow> rows;
    int64_t amount = 0;  // the balance before the first month
    int64_t totalPaid = 0;
    int64_t totalInterest = 0;
    int64_t TotalPrincipal() const { return totalPaid - totalInterest; }
};

// A loan as the loan window reads it.
struct ScheduleLoan {
    double amount = 0.0;
    double yearlyRate = 0.0;  // percent
    double months = 0.0;
    double payment = 0.0;  // the window's unrounded payment; not used at a rate of 0
};

// The amounts handled exactly lie below 2^46 = 70 368 744 177 664: there the doubles are
// less than a cent apart, so every amount in cents is read as a double of its own. A larger
// amount gets no schedule.
constexpr double kMaxScheduleAmount = 70368744177664.0;
// The longest term that gets a schedule: 833 years, far beyond any loan.
constexpr int kMaxScheduleMonths = 9999;
// Rates of a billion percent a year and more are no loan anyone pays.
constexpr double kMaxScheduleRate = 1e9;
// The rate is taken to this many decimal places of a percent (the keys type one).
constexpr int kRateDecimals = 6;
// The payments of a loan with a schedule add up to less than this many cents (46 million
// billion): the payment times the months stays below it, so every total fits 64 bits.
constexpr int64_t kMaxScheduleTotal = int64_t{1} << 62;

// Rounds to the nearest integer, halves away from zero.
int64_t RoundHalfAway(long double value);

// Whether the loan has a schedule: an amount of at least a cent (once rounded) and below
// kMaxScheduleAmount, a whole number of months from 1 to kMaxScheduleMonths, a rate from 0 to
// below kMaxScheduleRate, a finite payment whose months add up to less than
// kMaxScheduleTotal cents, and a first month, when it is not the last, whose payment exceeds
// its interest. Takes the same time for every term: the loan window asks at every key.
bool HasSchedule(const ScheduleLoan& loan);

// The schedule of the loan paying `extraCents` more each month, or nothing when the loan has
// none (HasSchedule). An extra of more than the amount pays the loan off in the first month,
// as the amount itself does; a negative one counts as none.
std::optional<PaymentSchedule> BuildSchedule(const ScheduleLoan& loan, int64_t extraCents = 0);

// What an extra payment saves against the same loan without it.
struct ScheduleSavings {
    int monthsSooner = 0;
    int64_t lessInterest = 0;  // cents
};
ScheduleSavings SavingsOf(const PaymentSchedule& without, const PaymentSchedule& with);
