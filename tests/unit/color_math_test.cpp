// Colour blending and the bevel's ring colours of the painted keys.
#include <gtest/gtest.h>

#include "color_math.h"

TEST(MulDivRound, RoundsHalvesAwayFromZeroLikeWindows)
{
    EXPECT_EQ(MulDivRound(255, 1, 2), 128);
    EXPECT_EQ(MulDivRound(-255, 1, 2), -128);
    EXPECT_EQ(MulDivRound(254, 1, 2), 127);
    EXPECT_EQ(MulDivRound(10, 1, 3), 3);
    EXPECT_EQ(MulDivRound(20, 1, 3), 7);
    EXPECT_EQ(MulDivRound(32767, 4, 32767), 4);
    EXPECT_EQ(MulDivRound(16383, 4, 32767), 2);
    EXPECT_EQ(MulDivRound(7, -3, 2), -11);
    EXPECT_EQ(MulDivRound(7, 3, -2), -11);
    EXPECT_EQ(MulDivRound(1 << 30, 1 << 30, 1 << 30), 1 << 30);  // 64-bit intermediate
    EXPECT_EQ(MulDivRound(5, 5, 0), -1);
}

TEST(BlendColor, MovesEachChannelTowardTheTarget)
{
    EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 1, 2), 0x808080u);  // halves round up
    EXPECT_EQ(BlendColor(0xFFFFFF, 0x000000, 1, 2), 0x7F7F7Fu);  // 255 - 127.5 rounds away from zero
    EXPECT_EQ(BlendColor(0xC0C0C0, 0xFFFFFF, 1, 2), 0xE0E0E0u);
    EXPECT_EQ(BlendColor(0x102030, 0xFFFFFF, 0, 2), 0x102030u);
    EXPECT_EQ(BlendColor(0x0000FF, 0xFF0000, 1, 3), 0x5500AAu);
    EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 7, 3), 0xABCDEFu);      // beyond the last step: the target
    EXPECT_EQ(BlendColor(0xFF123456, 0xFFABCDEF, 3, 3), 0xABCDEFu);  // the top byte is cleared
}

TEST(BevelRingColors, RaisedIsLightAboveAndDarkBelow)
{
    const BevelRing white = BevelRingColors(0xFFFFFF, 1, 1, false);
    EXPECT_EQ(white.topLeft, 0xFFFFFFu);
    EXPECT_EQ(white.bottomRight, 0x808080u);
    const BevelRing black = BevelRingColors(0x000000, 1, 1, false);
    EXPECT_EQ(black.topLeft, 0x808080u);
    EXPECT_EQ(black.bottomRight, 0x000000u);
    const BevelRing sunken = BevelRingColors(0xFFFFFF, 1, 1, true);
    EXPECT_EQ(sunken.topLeft, 0x808080u);
    EXPECT_EQ(sunken.bottomRight, 0xFFFFFFu);
}

TEST(BevelRingColors, TheHardLooksInnerRingLiesHalfWayToTheFace)
{
    const Color face = 0xC0C0C0;
    const BevelRing outer = BevelRingColors(face, 1, 2, false);
    const BevelRing inner = BevelRingColors(face, 2, 2, false);
    EXPECT_EQ(outer.topLeft, 0xE0E0E0u);
    EXPECT_EQ(outer.bottomRight, 0x606060u);
    EXPECT_EQ(inner.topLeft, BlendColor(0xE0E0E0, face, 1, 2));
    EXPECT_EQ(inner.bottomRight, BlendColor(0x606060, face, 1, 2));
    EXPECT_EQ(inner.topLeft, 0xD0D0D0u);
    EXPECT_EQ(inner.bottomRight, 0x909090u);
}
