// The chooser's Red, Green and Blue boxes as the colours dialog reads them: the polling,
// which takes any text as a channel, and the reading of the controls, which refuses what is
// not an integer from 0 to 255.
#include <gtest/gtest.h>

#include "color_box_text.h"

namespace {

struct Polled {
    const char* text;
    int value;
    const char* canonical;
    bool rewrite;
};

const Polled kPolled[] = {
    {"", 0, "0", false},  // being typed into: left empty
    {"0", 0, "0", false},
    {"7", 7, "7", false},
    {"128", 128, "128", false},
    {"255", 255, "255", false},
    {"007", 7, "7", true},
    {"256", 255, "255", true},
    {"999", 255, "255", true},
    {"99999999999", 255, "255", true},
    {"-5", 0, "0", true},
    {"-99999999", 0, "0", true},
    {"-0", 0, "0", true},
    {"abc", 0, "0", true},
    {"-", 0, "0", true},
    {" 12", 12, "12", true},
    {"+3", 3, "3", true},
    {"12abc", 12, "12", true},
    {"1 2", 1, "1", true},
    // Only the first seven characters count.
    {"12345678", 255, "255", true},
    {"0000000255", 0, "0", true},
};

}  // namespace

TEST(ReadPolledChannel, AnyTextIsAChannelClampedTo0Through255)
{
    for (const Polled& p : kPolled) {
        SCOPED_TRACE(p.text);
        const PolledChannel channel = ReadPolledChannel(p.text);
        EXPECT_EQ(channel.value, p.value);
        EXPECT_EQ(channel.canonical, p.canonical);
        EXPECT_EQ(channel.rewrite, p.rewrite);
    }
}

TEST(ReadPolledChannel, ANegativeNumberNeverSpillsIntoTheOtherChannels)
{
    const Color color = ColorFromChannels(ReadPolledChannel("-1").value, ReadPolledChannel("0").value,
                                          ReadPolledChannel("0").value);
    EXPECT_EQ(color, 0x000000u);
    const Color green = ColorFromChannels(ReadPolledChannel("0").value, ReadPolledChannel("-200").value,
                                          ReadPolledChannel("17").value);
    EXPECT_EQ(green, 0x110000u);
    const Color big = ColorFromChannels(ReadPolledChannel("300").value, ReadPolledChannel("0").value,
                                        ReadPolledChannel("0").value);
    EXPECT_EQ(big, 0x0000FFu);
}

TEST(ParseChannel, AcceptsAnIntegerFrom0To255)
{
    const struct {
        const char* text;
        int value;
    } accepted[] = {{"0", 0},    {"255", 255}, {"17", 17},     {" 12 ", 12},
                    {"+12", 12}, {"-0", 0},    {"00255", 255}, {"\t9", 9}};
    for (const auto& a : accepted) {
        SCOPED_TRACE(a.text);
        const std::optional<uint8_t> value = ParseChannel(a.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, a.value);
    }
}

TEST(ParseChannel, RefusesEverythingElse)
{
    for (const char* text :
         {"", " ", "-1", "256", "1000", "99999999999", "abc", "12abc", "1 2", "+", "-", "1.5", "0x10"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseChannel(text).has_value());
    }
}

TEST(ParseChannel, TheMessageIsTheOneTheUserSees)
{
    EXPECT_STREQ(kChannelRangeMessage, "Please enter an integer between 0 and 255.");
}

TEST(ColorChannels, RedIsTheLowestByte)
{
    EXPECT_EQ(ColorFromChannels(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(RedOf(0x563412), 0x12);
    EXPECT_EQ(GreenOf(0x563412), 0x34);
    EXPECT_EQ(BlueOf(0x563412), 0x56);
    EXPECT_EQ(BlueOf(0xFF563412), 0x56);  // a stray top byte stays out
}
