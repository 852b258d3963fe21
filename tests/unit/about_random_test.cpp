// The emblem's random numbers: the C runtime's generator on every platform, and the ranges
// the emblem's motion takes from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "emblem_model.h"
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

namespace {

// Records nothing: the tests look at the animation's trail.
class NullCanvas : public EmblemCanvas {
public:
    void FillBackground() override {}
    void SetPixel(int32_t, int32_t, Color) override {}
    void DrawTrailLine(int32_t, const TrailLine&) override {}
    void TrailCreated(const LineTrail&) override {}
};

std::set<int32_t> Components(const TrailVelocity& v)
{
    return {v.dx1, v.dy1, v.dx2, v.dy2};
}

}  // namespace

TEST(EmblemRandomness, FirstVelocitiesRunFromMinus2To2AndTakeEveryValue)
{
    // A 200-pixel area allows 4 pixels a frame, so nothing cuts the first velocities back.
    std::set<int32_t> seen;
    for (uint32_t now = 0; now < 400; ++now) {
        EmblemAnimation animation(1);
        NullCanvas canvas;
        animation.Paint(EmblemRect{0, 0, 200, 200}, now * 7919u, canvas);
        for (int32_t v : Components(animation.Trail()->Velocity())) {
            ASSERT_GE(v, -2) << now;
            ASSERT_LE(v, 2) << now;
            seen.insert(v);
        }
    }
    EXPECT_EQ(seen, (std::set<int32_t>{-2, -1, 0, 1, 2}));
}

TEST(EmblemRandomness, EachAccelerationChangesAVelocityByMinus2To2AndTakesEveryChange)
{
    // A large area's speed limits are far away, so no change is cut back.
    std::set<int32_t> seen;
    for (uint32_t seed = 1; seed <= 500; ++seed) {
        LineTrail trail(18, EmblemRect{0, 0, 1000, 1000}, 500, 500);
        LcgRandom random(seed);
        trail.Accelerate(random);
        for (int32_t change : Components(trail.Velocity())) {
            ASSERT_GE(change, -2) << seed;
            ASSERT_LE(change, 2) << seed;
            seen.insert(change);
        }
    }
    EXPECT_EQ(seen, (std::set<int32_t>{-2, -1, 0, 1, 2}));
}
