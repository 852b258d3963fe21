// Grouping of the integer digits of the loan texts.
#include <gtest/gtest.h>

#include <string>

#include "group_digits.h"

TEST(GroupDigits, PutsASpaceBeforeEveryThirdIntegerDigit)
{
    const struct {
        const char* source;
        const char* grouped;
    } cases[] = {
        {"", ""},
        {"1", "1"},
        {"100", "100"},
        {"1000", "1 000"},
        {"123456", "123 456"},
        {"1234567", "1 234 567"},
        {"1234567.5", "1 234 567.5"},
        {"1234,56789", "1 234,56789"},  // the comma separates when there is no point
        {"1234.56789", "1 234.56789"},  // and the fraction is never grouped
        {"123.4567", "123.4567"},
        {"0.", "0."},
        {".12345", ".12345"},
        {"12E3456", "1 2E3 456"},  // a pasted amount groups whatever its characters
        {"inf", "inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GroupDigits(c.source), c.grouped) << c.source;
}

TEST(GroupDigits, TakesOtherGroupSizes)
{
    EXPECT_EQ(GroupDigits("12345678", 4), "1234 5678");
    EXPECT_EQ(GroupDigits("123456789", 4), "1 2345 6789");
    EXPECT_EQ(GroupDigits("123", 1), "1 2 3");
    EXPECT_EQ(GroupDigits("123456", 0), "123456");
    EXPECT_EQ(GroupDigits("123456", -3), "123456");
}

TEST(GroupDigits, GroupsALongNumberAtOnce)
{
    const std::string digits(300000, '9');
    const std::string grouped = GroupDigits(digits + ".5");
    ASSERT_EQ(grouped.size(), digits.size() + (digits.size() - 1) / 3 + 2);
    EXPECT_EQ(grouped.compare(0, 8, "999 999 "), 0);
    EXPECT_EQ(grouped.compare(grouped.size() - 6, 6, " 999.5"), 0);
}
