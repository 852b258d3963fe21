// The schedule window's texts: the amounts, the list's cells, the copy for a spreadsheet, and
// the sentences of the string table filled in.
#include <gtest/gtest.h>

#include <regex>

#include "read_file.h"
#include "schedule_text.h"

namespace {

PaymentSchedule TwoMonths()
{
    return BuildSchedule(ScheduleLoan{1000, 10, 2, 506.2586}).value();
}

// The pattern of a string of the program's string table.
std::string StringTableText(const char* name)
{
    const std::string table = ReadFile(TALLYRA_RESOURCES_DIR "/strings.rc.inc");
    std::smatch match;
    if (!std::regex_search(table, match, std::regex(std::string(name) + ",\\s*\"([^\"]*)\"")))
        return "(no " + std::string(name) + ")";
    return match[1];
}

ScheduleWords WordsOfTheProgram()
{
    return ScheduleWords{StringTableText("IDS_SCHEDULE_TOTALS"), StringTableText("IDS_SCHEDULE_SAVINGS"),
                         StringTableText("IDS_SCHEDULE_SAVINGS_ONE_MONTH")};
}

TEST(ScheduleText, AmountsAsTheLoanWindowWritesThem)
{
    EXPECT_EQ(FormatCents(123456789, '.'), "1 234 567.89");
    EXPECT_EQ(FormatCents(5, ','), "0,05");
    EXPECT_EQ(FormatCents(0, '.'), "0.00");
    EXPECT_EQ(FormatCents(-150, '.'), "-1.50");
    EXPECT_EQ(FormatCents(std::numeric_limits<int64_t>::max(), '.'), "92 233 720 368 547 758.07");
}

TEST(ScheduleText, CopyHasTheTableAndATotalLine)
{
    EXPECT_EQ(ScheduleText(TwoMonths(), ','), "Month\tPayment\tInterest\tPrincipal\tBalance\r\n"
                                              "1\t506,26\t8,33\t497,93\t502,07\r\n"
                                              "2\t506,25\t4,18\t502,07\t0,00\r\n"
                                              "Total\t1012,51\t12,51\t1000,00");
}

TEST(ScheduleText, CellsOfTheListAndItsTotalsRow)
{
    const PaymentSchedule s = TwoMonths();
    ASSERT_EQ(ScheduleListRows(s), 3);
    const char* const expected[3][kScheduleColumns] = {{"1", "506.26", "8.33", "497.93", "502.07"},
                                                       {"2", "506.25", "4.18", "502.07", "0.00"},
                                                       {"Total", "1 012.51", "12.51", "1 000.00", ""}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < kScheduleColumns; ++column)
            EXPECT_EQ(ScheduleCell(s, row, column, '.'), expected[row][column]) << row << ", " << column;
    for (const auto& [row, column] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, kScheduleColumns}})
        EXPECT_EQ(ScheduleCell(s, row, column, '.'), "") << row << ", " << column;
    EXPECT_STREQ(ScheduleHeading(0), "Month");
    EXPECT_STREQ(ScheduleHeading(4), "Balance");
    EXPECT_STREQ(ScheduleHeading(5), "");
}

TEST(ScheduleText, PatternsFilledIn)
{
    EXPECT_EQ(FillIn("%2 before %1, 100%%", {"a", "b"}), "b before a, 100%");
    EXPECT_EQ(FillIn("%3 missing, % alone, %", {"a"}), " missing, % alone, %");
}

TEST(ScheduleText, TheProgramsSentences)
{
    const ScheduleWords words = WordsOfTheProgram();
    const PaymentSchedule s = BuildSchedule(ScheduleLoan{1000, 10, 12, 87.9159}).value();
    EXPECT_EQ(TotalsLine(words, s, ','), "Total paid: 1 054,99    Total interest: 54,99");

    struct Case {
        int64_t extra;
        ScheduleSavings savings;
        char separator;
        const char* line;
    } const cases[] = {
        {5000, {6, 21498}, '.', "Paid off 6 months sooner, with 214.98 less interest."},
        {1, {1, 5}, ',', "Paid off 1 month sooner, with 0,05 less interest."},
        {1, {0, 1}, '.', "Paid off 0 months sooner, with 0.01 less interest."},
        {100000, {1234, 12345678}, '.', "Paid off 1 234 months sooner, with 123 456.78 less interest."},
        {0, {6, 21498}, '.', ""},  // no extra, no line
    };
    for (const Case& c : cases)
        EXPECT_EQ(SavingsLine(words, c.extra, c.savings, c.separator), c.line);
}

}  // namespace
