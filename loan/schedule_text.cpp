#include "schedule_text.h"

#include "group_digits.h"

namespace {

constexpr const char* kHeadings[kScheduleColumns] = {"Month", "Payment", "Interest", "Principal", "Balance"};

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

std::string FormatCents(int64_t cents, char separator)
{
    return GroupDigits(PlainCents(cents, separator), 3);
}

const char* ScheduleHeading(int column)
{
    return column >= 0 && column < kScheduleColumns ? kHeadings[column] : "";
}

int ScheduleListRows(const PaymentSchedule& schedule)
{
    return static_cast<int>(schedule.rows.size()) + 1;
}

std::string ScheduleCell(const PaymentSchedule& schedule, int row, int column, char separator)
{
    const int months = static_cast<int>(schedule.rows.size());
    if (row < 0 || row > months || column < 0 || column >= kScheduleColumns)
        return {};
    if (row == months) {
        switch (column) {
        case 0: return "Total";
        case 1: return FormatCents(schedule.totalPaid, separator);
        case 2: return FormatCents(schedule.totalInterest, separator);
        case 3: return FormatCents(schedule.TotalPrincipal(), separator);
        default: return {};
        }
    }
    const ScheduleRow& r = schedule.rows[static_cast<size_t>(row)];
    switch (column) {
    case 0: return std::to_string(r.month);
    case 1: return FormatCents(r.payment, separator);
    case 2: return FormatCents(r.interest, separator);
    case 3: return FormatCents(r.principal, separator);
    default: return FormatCents(r.balance, separator);
    }
}

std::string ScheduleText(const PaymentSchedule& schedule, char separator)
{
    std::string text = kHeadings[0];
    for (int column = 1; column < kScheduleColumns; ++column)
        text += std::string("\t") + kHeadings[column];
    text.reserve(schedule.rows.size() * 48);
    for (const ScheduleRow& row : schedule.rows) {
        text += "\r\n" + std::to_string(row.month);
        for (int64_t cents : {row.payment, row.interest, row.principal, row.balance})
            text += "\t" + PlainCents(cents, separator);
    }
    text += "\r\nTotal";
    for (int64_t cents : {schedule.totalPaid, schedule.totalInterest, schedule.TotalPrincipal()})
        text += "\t" + PlainCents(cents, separator);
    return text;
}

std::string FillIn(const std::string& pattern, const std::vector<std::string>& values)
{
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next == '%') {
            text += '%';
            ++i;
        } else if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const size_t index = static_cast<size_t>(next - '1');
            if (index < values.size())
                text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string TotalsLine(const ScheduleWords& words, const PaymentSchedule& schedule, char separator)
{
    return FillIn(words.totals, {FormatCents(schedule.totalPaid, separator),
                                 FormatCents(schedule.totalInterest, separator)});
}

std::string SavingsLine(const ScheduleWords& words, int64_t extraCents, const ScheduleSavings& savings,
                        char separator)
{
    if (extraCents <= 0)
        return {};
    return FillIn(
        savings.monthsSooner == 1 ? words.savingsOneMonth : words.savings,
        {GroupDigits(std::to_string(savings.monthsSooner), 3), FormatCents(savings.lessInterest, separator)});
}
