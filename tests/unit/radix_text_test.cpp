// Integer texts: formatting with groups, the 127-character limit, and parsing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "radix_text.h"

TEST(FormatRadixText, GroupsDigitsByBase)
{
    EXPECT_EQ(FormatRadixText(255, 16, ' '), "FF");
    EXPECT_EQ(FormatRadixText(65535, 16, ' '), "FFFF");  // a full group gets no leading space
    EXPECT_EQ(FormatRadixText(65536, 16, ' '), "1 0000");
    EXPECT_EQ(FormatRadixText(1234567, 10, ' '), "1 234 567");
    EXPECT_EQ(FormatRadixText(123456, 10, ' '), "123 456");
    EXPECT_EQ(FormatRadixText(4096, 8, ' '), "10 000");
    EXPECT_EQ(FormatRadixText(5, 2, ' '), "101");
    EXPECT_EQ(FormatRadixText(33554431, 2, ' '), "1 1111 1111 1111 1111 1111 1111");
    EXPECT_EQ(FormatRadixText(33554432, 2, ' '), "10 00000000 00000000 00000000");
    EXPECT_EQ(FormatRadixText(1234567, 10, '\0'), "1234567");
    EXPECT_EQ(FormatRadixText(0, 16, ' '), "0");
}

TEST(FormatRadixText, CutsFractionsTowardZeroAndSignsOnlyDecimal)
{
    EXPECT_EQ(FormatRadixText(-5.7, 10, ' '), "-5");
    EXPECT_EQ(FormatRadixText(-0.5, 10, ' '), "-0");
    EXPECT_EQ(FormatRadixText(-1234, 10, ' '), "-1 234");
    EXPECT_EQ(FormatRadixText(-255, 16, ' '), "FF");
    EXPECT_EQ(FormatRadixText(-33554432, 2, ' '),
              "10 0000 0000 0000 0000 0000 0000");  // negatives group by 4
    EXPECT_EQ(FormatRadixText(9.99, 8, ' '), "11");
}

TEST(FormatRadixText, KeepsTheLeastSignificant127Characters)
{
    const std::string binary = FormatRadixText(std::ldexp(1.0, 200) + std::ldexp(1.0, 100), 2, ' ');
    ASSERT_EQ(binary.size(), 127u);
    EXPECT_EQ(binary.substr(binary.size() - 8), "00000000");
    EXPECT_EQ(FormatRadixText(std::ldexp(1.0, 40) - 1, 2, '\0'), std::string(40, '1'));

    const std::string decimal = FormatRadixText(-1e300, 10, ' ');
    EXPECT_EQ(decimal.size(), 127u);
    EXPECT_NE(decimal[0], '-');  // the sign went with the cut
    EXPECT_EQ(FormatRadixText(std::numeric_limits<double>::max(), 2, ' ').size(), 127u);
}

TEST(FormatRadixText, NonFiniteValuesAndUnknownBasesGiveZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (int radix : {2, 8, 10, 16}) {
        EXPECT_EQ(FormatRadixText(inf, radix, ' '), "0") << radix;
        EXPECT_EQ(FormatRadixText(-inf, radix, ' '), "0") << radix;
        EXPECT_EQ(FormatRadixText(std::nan(""), radix, ' '), "0") << radix;
    }
    EXPECT_EQ(FormatRadixText(100, 7, ' '), "0");
    EXPECT_EQ(FormatRadixText(100, 0, ' '), "0");
    EXPECT_EQ(FormatRadixText(100, -16, ' '), "0");
}

TEST(ParseRadixText, SkipsSeparatorsAndSigns)
{
    EXPECT_EQ(ParseRadixText("1 0000", 16), 65536.0);
    EXPECT_EQ(ParseRadixText("FF", 16), 255.0);
    EXPECT_EQ(ParseRadixText("12 345", 10), 12345.0);
    EXPECT_EQ(ParseRadixText("-5", 10), 5.0);
    EXPECT_EQ(ParseRadixText("10 000", 8), 4096.0);
    EXPECT_EQ(ParseRadixText("1 1111", 2), 31.0);
    EXPECT_EQ(ParseRadixText("", 10), 0.0);
}

TEST(RadixText, RoundTripsThroughEveryBase)
{
    for (double value : {0.0, 1.0, 7.0, 255.0, 65536.0, 33554431.0, 33554432.0, 9007199254740991.0}) {
        for (int radix : {2, 8, 10, 16})
            EXPECT_EQ(ParseRadixText(FormatRadixText(value, radix, ' '), radix), value)
                << value << " " << radix;
    }
}
