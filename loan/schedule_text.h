#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "payment_schedule.h"

// Every text the schedule window shows or copies, so that the window builds none itself.

// Cents as the loan window writes amounts: "1 234.56", grouped, with `separator`.
std::string FormatCents(int64_t cents, char separator);

// The list's columns: Month, Payment, Interest, Principal, Balance.
constexpr int kScheduleColumns = 5;
const char* ScheduleHeading(int column);
// The list holds a row per month and then the totals row.
int ScheduleListRows(const PaymentSchedule& schedule);
// The text of a cell of the list: a month, or the totals row after the months ("Total", then
// the totals paid, of interest and of principal); empty outside the list.
std::string ScheduleCell(const PaymentSchedule& schedule, int row, int column, char separator);

// The whole table as tab-separated text for a spreadsheet: a header row, one line per month,
// and a last line "Total" with the totals paid, of interest and of principal; numbers without
// group spaces and with `separator`; CR LF between lines.
std::string ScheduleText(const PaymentSchedule& schedule, char separator);

// A pattern of the string table with %1 to %9 replaced by the values, "%%" by one "%".
std::string FillIn(const std::string& pattern, const std::vector<std::string>& values);

// The window's sentences, as patterns from the string table.
struct ScheduleWords {
    std::string totals;           // %1 paid, %2 of interest
    std::string savings;          // %1 months sooner, %2 less interest
    std::string savingsOneMonth;  // the same for one month sooner: %2 only
};

// "Total paid: 1 054.99    Total interest: 54.99".
std::string TotalsLine(const ScheduleWords& words, const PaymentSchedule& schedule, char separator);
// "Paid off 6 months sooner, with 214.98 less interest.", numbers grouped as the loan window
// groups them; empty without an extra payment.
std::string SavingsLine(const ScheduleWords& words, int64_t extraCents, const ScheduleSavings& savings,
                        char separator);
