// What a line of the tape gives back when it is taken into the calculation again.
#include <gtest/gtest.h>

#include <optional>

#include "tape_lines.h"

TEST(TapeRecall, EachLineGivesBackTheResultItWrites)
{
    const struct {
        const char* line;
        std::optional<double> result;
    } kLines[] = {
        {"12 + 5 = 17", 17.0},
        {"1 / 3 = 0.33333333", 0.33333333},
        {"1 / 3 = 0,33333333", 0.33333333},  // written with the decimal comma
        {"20 + 10% = 22", 22.0},
        {"10% of 20 = 2", 2.0},
        {"sin 30 = 0.5", 0.5},
        {"2 ^ 100 = 1.2676506e+30", 1.2676506e+30},
        {"Register M = -4,5", -4.5},
        {"MS 17", 17.0},
        {"MR 0.25", 0.25},
        {"M+ -3", -3.0},
        {"C", std::nullopt},
        {"Del", std::nullopt},
        {"MC", std::nullopt},
        {"Swap 5 <-> 3", std::nullopt},
        {"5 / 0 = inf", std::nullopt},
        {"0 / 0 = -nan", std::nullopt},
        {"7 = ", std::nullopt},
        {"7 = 1 2", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& l : kLines)
        EXPECT_EQ(LineResult(l.line), l.result) << l.line;
}

TEST(TapeRecall, ALineOfThisRunGivesTheExactValueAndOneOfAnEarlierRunItsText)
{
    TapeLines tape;
    tape.Assign({"1 / 3 = 0.33333333", "C"});  // read back from the settings
    tape.Record("1 / 3 = 0.33333333", 1.0 / 3.0);
    tape.Record("5 / 0 = inf", 1.0 / 0.0);
    EXPECT_EQ(tape.ResultOf(0), 0.33333333);
    EXPECT_EQ(tape.ResultOf(1), std::nullopt);
    EXPECT_EQ(tape.ResultOf(2), 1.0 / 3.0);
    EXPECT_EQ(tape.ResultOf(3), std::nullopt);  // no finite number to take back
    EXPECT_EQ(tape.ResultOf(4), std::nullopt);
    EXPECT_EQ(tape.ResultOf(-1), std::nullopt);

    tape.Erase({0, 1});  // the exact value stays with its line
    EXPECT_EQ(tape.ResultOf(0), 1.0 / 3.0);
    EXPECT_EQ(tape.FileText(), "1 / 3 = 0.33333333\r\n5 / 0 = inf\r\n");
}
