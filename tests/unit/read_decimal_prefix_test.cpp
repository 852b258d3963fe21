// The decimal reading of the loan inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "number_text.h"

TEST(ReadDecimalPrefix, TakesTheLongestDecimalPrefix)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"10%", 10.0},    {"", 0.0},         {" 1E5", 100000.0},
        {"1e", 1.0},      {"1e+", 1.0},      {"1e-2x", 0.01},
        {"2E+3", 2000.0}, {"-.5", -0.5},     {"+7", 7.0},
        {".", 0.0},       {"-", 0.0},        {"-.", 0.0},
        {"5.", 5.0},      {".25", 0.25},     {"1.2.3", 1.2},
        {"12,5", 12.0},   {"7.5%", 7.5},     {"1 000", 1.0},
        {"%", 0.0},       {"E5", 0.0},       {"\t\n\v\f\r 42", 42.0},
        {"0012", 12.0},   {"1.5e1.5", 15.0}, {"12E3ab", 12000.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ReadDecimalPrefix(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadDecimalPrefix, ReadsNoInfinityNanOrHexadecimal)
{
    for (const char* text : {"inf", "INFINITY", "nan", "NAN(1)", "-inf", " nan"})
        EXPECT_EQ(ReadDecimalPrefix(text), 0.0) << text;
    EXPECT_EQ(ReadDecimalPrefix("0x10"), 0.0);
    EXPECT_EQ(ReadDecimalPrefix("0X1p4"), 0.0);
    EXPECT_EQ(ReadDecimalPrefix("1x10"), 1.0);
}

TEST(ReadDecimalPrefix, RoundsLikeStrtod)
{
    EXPECT_EQ(ReadDecimalPrefix("0.1"), 0.1);
    EXPECT_EQ(ReadDecimalPrefix("2.2250738585072014e-308"), 2.2250738585072014e-308);
    const std::string largest = "17976931348623157" + std::string(292, '0');
    EXPECT_EQ(ReadDecimalPrefix(largest + "%"), 1.7976931348623157e308);
    EXPECT_TRUE(std::isinf(ReadDecimalPrefix("1e999")));
    EXPECT_EQ(ReadDecimalPrefix("-0"), 0.0);
    EXPECT_TRUE(std::signbit(ReadDecimalPrefix("-0")));
}

TEST(ReadDecimalPrefix, StopsAtAnEmbeddedZero)
{
    EXPECT_EQ(ReadDecimalPrefix(std::string("12\0"
                                            "34",
                                            5)),
              12.0);
}
