// What the engine writes on the tape: one line per finished operation, as the panels write
// numbers at the time.
#include <gtest/gtest.h>

#include "calc_harness.h"

namespace {

struct RecordingTape : ICalcTape {
    void Record(const std::string& line, std::optional<double>) override
    {
        lines += (lines.empty() ? "" : " | ") + line;
    }
    std::string lines;
};

struct TapeCase {
    const char* keys;
    const char* lines;
    int angle = 0;  // 0 degrees, 1 radians
};

class TapeRecording : public testing::TestWithParam<TapeCase> {};

TEST_P(TapeRecording, WritesOneLinePerFinishedOperation)
{
    Calc c;
    RecordingTape tape;
    c.engine.SetTape(&tape);
    if (GetParam().angle != 0)
        c.SelectAngle(GetParam().angle);
    c.Keys(GetParam().keys);
    EXPECT_EQ(tape.lines, GetParam().lines) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, TapeRecording,
    testing::Values(TapeCase{"12 + 5 =", "12 + 5 = 17"},
                    TapeCase{"2 + 3 = = =", "2 + 3 = 5 | 5 + 3 = 8 | 8 + 3 = 11"},  // "=" repeats
                    TapeCase{"12 + 5 + 3 =", "12 + 5 = 17 | 17 + 3 = 20"},          // a column
                    TapeCase{"7 =", ""},  // a new chain computes nothing
                    TapeCase{"2 + 3 = * 4 =", "2 + 3 = 5 | 5 * 4 = 20"},
                    TapeCase{"1 / 3 =", "1 / 3 = 0.33333333"},  // the panels' precision
                    TapeCase{"20 + 10 %", "20 + 10% = 22"}, TapeCase{"50 * 10 %", "50 * 10% = 5"},
                    TapeCase{"20 + 10 % =", "20 + 10% = 22 | 10% of 22 = 2.2"},
                    TapeCase{"20 = 10 %", "10% of 20 = 2"}, TapeCase{"9 sqrt", "sqrt 9 = 3"},
                    TapeCase{"4 1/x", "1/x 4 = 0.25"}));

INSTANTIATE_TEST_SUITE_P(Functions, TapeRecording,
                         testing::Values(TapeCase{"30 sin", "sin 30 = 0.5"},  // in the unit shown
                                         TapeCase{"0.5 sin", "sin 0.5 = 0.47942554", 1},
                                         TapeCase{"1 asin", "asin 1 = 90"},
                                         TapeCase{"3 = 2 x^y", "2 ^ 3 = 8"}, TapeCase{"3 x^2", "x^2 3 = 9"},
                                         TapeCase{"pi", ""}));  // a constant is typed data, not an operation

INSTANTIATE_TEST_SUITE_P(MemoryAndRegisters, TapeRecording,
                         testing::Values(TapeCase{"17 MS MC", "MS 17 | MC"},
                                         TapeCase{"2 + 3 = MS", "2 + 3 = 5 | MS 5"},
                                         TapeCase{"5 M+ Delete 5 M+ MR", "M+ 5 | M+ 5 | MR 10"},
                                         TapeCase{"4 MS Mem", "MS 4 | Register M = 4"},
                                         TapeCase{"Acc Acc", ""},  // both registers 0: nothing changed
                                         TapeCase{"3 = 5 swap", "Swap 3 <-> 5"}, TapeCase{"swap", ""},
                                         TapeCase{"2 + 3 = Clear", "2 + 3 = 5 | C"}));

// A calculator that writes on a tape from its start.
class TapeRecordingOptions : public testing::Test {
protected:
    void SetUp() override { c.engine.SetTape(&tape); }
    Calc c;
    RecordingTape tape;
};

TEST_F(TapeRecordingOptions, InMemoryLinesShowTheStoredOperand)
{
    c.options.bInMemory = 1;
    c.Keys("3 MS Delete 2 * 4 = 5 =");
    EXPECT_EQ(tape.lines, "MS 3 | 2 * 4 = 8 | 5 * 3 = 15");  // 5 x M
}

TEST_F(TapeRecordingOptions, TheDecimalCommaIsTheSeparatorInForce)
{
    c.options.bCommaPoint = 1;
    c.Keys("1.5 + 2.25 =");
    EXPECT_EQ(tape.lines, "1,5 + 2,25 = 3,75");
}

TEST_F(TapeRecordingOptions, TheIntegerBaseDoesNotChangeTheLines)
{
    c.SelectBase(1);
    c.SetIntegerInput(true);
    c.Keys("#FF + 1 =");
    EXPECT_EQ(tape.lines, "255 + 1 = 256");
}

TEST_F(TapeRecordingOptions, APasteRecordsTheOperationsItPerforms)
{
    c.clipboard.text = "12+5=";
    c.Command(CalcOp::Paste);
    EXPECT_EQ(tape.lines, "Del | 12 + 5 = 17");
}

}  // namespace

TEST_F(TapeRecordingOptions, ARecallTakesTheValueIntoTheDownWindowAsMRDoesAndWritesNothing)
{
    c.Keys("1 / 3 =");
    const std::string before = tape.lines;
    c.Keys("Clear 5 +");
    c.Send(CalcEvent::Recall(1.0 / 3.0));
    EXPECT_EQ(c.Down(), "0.33333333");
    EXPECT_EQ(c.Up(), "5");  // the registers and the waiting operation as they were
    EXPECT_FALSE(c.S().bEntering);
    EXPECT_EQ(c.S().nPendingOp, IDC_KEY_ADD);
    EXPECT_EQ(tape.lines, before + " | C");  // the recall wrote nothing
    c.Keys("=");
    EXPECT_EQ(c.Up(), "5.3333333");

    c.Keys("Clear");
    c.Send(CalcEvent::Recall(1.0 / 3.0));
    c.Keys("* 3 =");
    EXPECT_EQ(c.Up(), "1");  // the exact third, not its eight digits
}
