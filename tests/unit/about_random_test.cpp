// The emblem's random numbers: the C runtime's generator on every platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "color_math.h"
#include "lcg_random.h"

TEST(LcgRandom, GivesTheCRuntimeSequence)
{
    LcgRandom random;  // as before any srand: seed 1
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int32_t value : expected)
        EXPECT_EQ(random.Rand(), value);
}

TEST(LcgRandom, SeedingStartsTheSequenceAgain)
{
    LcgRandom a(12345);
    LcgRandom b;
    b.Seed(12345);
    const int32_t first = a.Rand();
    EXPECT_EQ(b.Rand(), first);
    a.Rand();
    a.Seed(12345);
    EXPECT_EQ(a.Rand(), first);

    LcgRandom one(1);
    EXPECT_EQ(one.Rand(), 41);
}

TEST(LcgRandom, StaysWithin0To32767AndReachesBothEnds)
{
    LcgRandom random(1);
    int32_t lowest = LcgRandom::kMax;
    int32_t highest = 0;
    for (int i = 0; i < (1 << 20); ++i) {
        const int32_t value = random.Rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 32767);
}

TEST(LcgRandom, InitialVelocitiesRunFromMinus2To2)
{
    std::set<int32_t> seen;
    for (uint32_t seed : {0u, 1u, 7u, 1700000000u, 0xFFFFFFFFu}) {
        LcgRandom random(seed);
        for (int i = 0; i < 20000; ++i) {
            const int32_t velocity = MulDivRound(random.Rand(), 4, 32767) - 2;
            ASSERT_GE(velocity, -2);
            ASSERT_LE(velocity, 2);
            seen.insert(velocity);
        }
    }
    EXPECT_EQ(seen, (std::set<int32_t>{-2, -1, 0, 1, 2}));
    // The two ends of the range come from the two ends of the numbers.
    EXPECT_EQ(MulDivRound(0, 4, 32767) - 2, -2);
    EXPECT_EQ(MulDivRound(32767, 4, 32767) - 2, 2);
}

TEST(LcgRandom, AccelerationsRunFromMinus2To2)
{
    std::set<int32_t> seen;
    LcgRandom random(99);
    for (int i = 0; i < 10000; ++i) {
        const int32_t change = random.Rand() % 5 - 2;
        ASSERT_GE(change, -2);
        ASSERT_LE(change, 2);
        seen.insert(change);
    }
    EXPECT_EQ(seen.size(), 5u);
}
