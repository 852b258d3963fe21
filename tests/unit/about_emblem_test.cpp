// The emblem's motion: the trail's colours, steps, bounces and speed limits, the stars, and
// what one paint draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "color_math.h"
#include "emblem_model.h"

namespace {

EmblemRect Area(int32_t width, int32_t height)
{
    return {0, 0, width, height};
}

int32_t Clamp(int32_t value, int32_t limit)
{
    return value < -limit ? -limit : value > limit ? limit : value;
}

// Records what a frame draws, in order.
class RecordingCanvas : public EmblemCanvas {
public:
    void FillBackground() override { calls.push_back("fill"); }
    void SetPixel(int32_t x, int32_t y, Color color) override
    {
        calls.push_back("pixel");
        pixels.push_back({x, y, color});
    }
    void DrawTrailLine(int32_t k, const TrailLine& line) override
    {
        calls.push_back("line " + std::to_string(k));
        lines.push_back(line);
    }
    void TrailCreated(const LineTrail& trail) override
    {
        calls.push_back("pens");
        lineCount = trail.LineCount();
    }

    std::vector<std::string> calls;
    std::vector<Star> pixels;
    std::vector<TrailLine> lines;
    int32_t lineCount = 0;
};

}  // namespace

TEST(TrailLineColor, FadesTheSixHuesInThreeSteps)
{
    struct Row {
        int32_t k;
        Color color;
    };
    const Row rows[] = {
        {0, 0x0000FF},  {1, 0x00FFFF},  {2, 0x00FF00},  {3, 0xFFFF00},  {4, 0xFF0000},
        {5, 0xFF00FF},  {6, 0x0000D5},  {7, 0x00D5D5},  {8, 0x00D500},  {9, 0xD5D500},
        {10, 0xD50000}, {11, 0xD500D5}, {12, 0x0000AB}, {13, 0x00ABAB}, {14, 0x00AB00},
        {15, 0xABAB00}, {16, 0xAB0000}, {17, 0xAB00AB}, {18, 0x000000}, {19, 0x000000},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TrailLineColor(row.k, 18), row.color) << "line " << row.k;
}

TEST(TrailLineColor, TheLastTwoLinesTakeTheBackground)
{
    EXPECT_EQ(TrailLineColor(18, 18, 0x123456), 0x123456u);
    EXPECT_EQ(TrailLineColor(19, 18, 0x123456), 0x123456u);
    EXPECT_EQ(TrailLineColor(17, 18, 0x123456), 0xAB00ABu);
}

TEST(LineTrail, HasTwoLinesMoreThanItsLengthAllAtTheStart)
{
    const LineTrail trail(18, Area(69, 63), 34, 31);
    ASSERT_EQ(trail.LineCount(), 20);
    for (int32_t k = 0; k < trail.LineCount(); ++k) {
        const TrailLine& line = trail.Line(k);
        EXPECT_EQ(line.x1, 34);
        EXPECT_EQ(line.y1, 31);
        EXPECT_EQ(line.x2, 34);
        EXPECT_EQ(line.y2, 31);
    }
}

TEST(LineTrail, SpeedLimitsAreAFiftiethOfEachSideAndAtLeastTwo)
{
    struct Row {
        int32_t width, height, limitX, limitY;
    };
    const Row rows[] = {
        {69, 63, 2, 2}, {99, 99, 2, 2}, {0, 0, 2, 2}, {100, 149, 2, 2}, {150, 250, 3, 5}, {1024, 40, 20, 2},
    };
    for (const Row& row : rows) {
        const LineTrail trail(18, Area(row.width, row.height), 0, 0);
        EXPECT_EQ(trail.SpeedLimitX(), row.limitX) << row.width;
        EXPECT_EQ(trail.SpeedLimitY(), row.limitY) << row.height;
    }
    LineTrail trail(18, Area(50, 50), 0, 0);
    trail.SetArea(Area(300, 500));
    EXPECT_EQ(trail.SpeedLimitX(), 6);
    EXPECT_EQ(trail.SpeedLimitY(), 10);
}

TEST(LineTrail, AStepShiftsEveryPositionTowardTheDarkEnd)
{
    LineTrail trail(18, Area(200, 200), 100, 100);
    trail.SetVelocity({1, 2, -1, -2});
    trail.Step();
    trail.Step();
    trail.Step();
    std::vector<TrailLine> before;
    for (int32_t k = 0; k < trail.LineCount(); ++k)
        before.push_back(trail.Line(k));
    trail.Step();
    for (int32_t k = 1; k < trail.LineCount(); ++k) {
        EXPECT_EQ(trail.Line(k).x1, before[static_cast<size_t>(k - 1)].x1) << k;
        EXPECT_EQ(trail.Line(k).y2, before[static_cast<size_t>(k - 1)].y2) << k;
    }
    EXPECT_EQ(trail.Line(0).x1, 104);
    EXPECT_EQ(trail.Line(0).y1, 108);
    EXPECT_EQ(trail.Line(0).x2, 96);
    EXPECT_EQ(trail.Line(0).y2, 92);
}

TEST(LineTrail, AnEndMovingLeftFromOneBouncesOffTheLeftEdge)
{
    LineTrail trail(18, Area(69, 63), 1, 1);
    trail.SetVelocity({-2, -2, -2, -2});
    trail.Step();
    EXPECT_EQ(trail.Line(0).x1, 1);
    EXPECT_EQ(trail.Line(0).y1, 1);
    EXPECT_EQ(trail.Line(0).x2, 1);
    EXPECT_EQ(trail.Line(0).y2, 1);
    EXPECT_EQ(trail.Velocity().dx1, 2);
    EXPECT_EQ(trail.Velocity().dy1, 2);
    EXPECT_EQ(trail.Velocity().dx2, 2);
    EXPECT_EQ(trail.Velocity().dy2, 2);
}

TEST(LineTrail, AnEndMovingRightFromTheLastColumnBouncesOffTheRightEdge)
{
    const int32_t width = 69;
    const int32_t height = 63;
    LineTrail trail(18, Area(width, height), width - 1, height - 1);
    trail.SetVelocity({2, 2, 2, 2});
    trail.Step();
    EXPECT_EQ(trail.Line(0).x1, width - 2);
    EXPECT_EQ(trail.Line(0).y1, height - 2);
    EXPECT_EQ(trail.Line(0).x2, width - 2);
    EXPECT_EQ(trail.Line(0).y2, height - 2);
    EXPECT_EQ(trail.Velocity().dx1, -2);
    EXPECT_EQ(trail.Velocity().dy1, -2);
    EXPECT_EQ(trail.Velocity().dx2, -2);
    EXPECT_EQ(trail.Velocity().dy2, -2);
}

TEST(LineTrail, BouncesOffAnAreaThatDoesNotStartAtZero)
{
    LineTrail trail(18, {10, 20, 30, 40}, 11, 39);
    trail.SetVelocity({-3, 1, 0, 0});
    trail.Step();
    EXPECT_EQ(trail.Line(0).x1, 12);  // 8 reflected off 10
    EXPECT_EQ(trail.Line(0).y1, 39);  // 40 reflected: 2 * 40 - 40 - 1
    EXPECT_EQ(trail.Velocity().dx1, 3);
    EXPECT_EQ(trail.Velocity().dy1, -1);
}

TEST(LineTrail, EachEndBouncesOnItsOwn)
{
    LineTrail trail(18, Area(50, 50), 1, 25);
    trail.SetVelocity({-2, 0, 2, 0});
    trail.Step();
    EXPECT_EQ(trail.Line(0).x1, 1);
    EXPECT_EQ(trail.Line(0).x2, 3);
    EXPECT_EQ(trail.Velocity().dx1, 2);
    EXPECT_EQ(trail.Velocity().dx2, 2);
}

TEST(LineTrail, AnEndWithoutVelocityStandsStill)
{
    LineTrail trail(18, Area(69, 63), 30, 30);
    trail.SetVelocity({0, 0, 1, 0});
    for (int i = 0; i < 5; ++i)
        trail.Step();
    EXPECT_EQ(trail.Line(0).x1, 30);
    EXPECT_EQ(trail.Line(0).y1, 30);
    EXPECT_EQ(trail.Line(0).x2, 35);
}

TEST(LineTrail, AccelerationIsCutBackToTheSpeedLimit)
{
    LineTrail trail(18, Area(69, 63), 30, 30);
    trail.SetVelocity({9, -9, 2, -2});
    LcgRandom random(5);
    trail.Accelerate(random);
    EXPECT_EQ(trail.Velocity().dx1, 2);
    EXPECT_EQ(trail.Velocity().dy1, -2);
    EXPECT_GE(trail.Velocity().dx2, 0);
    EXPECT_LE(trail.Velocity().dx2, 2);
    EXPECT_GE(trail.Velocity().dy2, -2);
    EXPECT_LE(trail.Velocity().dy2, 0);
}

TEST(LineTrail, AccelerationAddsFourChangesInOrderAndClamps)
{
    for (uint32_t seed = 1; seed < 200; ++seed) {
        LineTrail trail(18, Area(160, 63), 30, 30);  // limits 3 across, 2 down
        LcgRandom random(seed);
        LcgRandom replica(seed);
        TrailVelocity expected{3, -2, 1, 0};
        trail.SetVelocity(expected);
        for (int frame = 0; frame < 10; ++frame) {
            trail.Accelerate(random);
            expected.dx1 = Clamp(expected.dx1 + replica.Rand() % 5 - 2, 3);
            expected.dy1 = Clamp(expected.dy1 + replica.Rand() % 5 - 2, 2);
            expected.dx2 = Clamp(expected.dx2 + replica.Rand() % 5 - 2, 3);
            expected.dy2 = Clamp(expected.dy2 + replica.Rand() % 5 - 2, 2);
            ASSERT_EQ(trail.Velocity().dx1, expected.dx1) << seed;
            ASSERT_EQ(trail.Velocity().dy1, expected.dy1) << seed;
            ASSERT_EQ(trail.Velocity().dx2, expected.dx2) << seed;
            ASSERT_EQ(trail.Velocity().dy2, expected.dy2) << seed;
        }
    }
}

TEST(LineTrail, StaysInsideItsAreaForever)
{
    LineTrail trail(18, Area(69, 63), 34, 31);
    LcgRandom random(2024);
    trail.SetVelocity({2, -1, -2, 1});
    for (int frame = 0; frame < 5000; ++frame) {
        if (frame % 7 == 6)
            trail.Accelerate(random);
        trail.Step();
        const TrailLine& line = trail.Line(0);
        ASSERT_GE(line.x1, 0);
        ASSERT_LT(line.x1, 69);
        ASSERT_GE(line.x2, 0);
        ASSERT_LT(line.x2, 69);
        ASSERT_GE(line.y1, 0);
        ASSERT_LT(line.y1, 63);
        ASSERT_GE(line.y2, 0);
        ASSERT_LT(line.y2, 63);
    }
}

TEST(RandomColor, TakesBlueThenGreenThenRed)
{
    LcgRandom random(1);  // 41, 18467, 6334
    EXPECT_EQ(RandomColor(random), static_cast<Color>((41 % 256) << 16 | (18467 % 256) << 8 | (6334 % 256)));
}

TEST(StarField, ScattersItsStarsOverTheArea)
{
    LcgRandom random(3);
    StarField stars(32, Area(69, 63), random);
    ASSERT_EQ(stars.Count(), 32);
    EXPECT_EQ(stars.TwinkleDivisor(), 18);
    EXPECT_TRUE(stars.Placed());
    for (int32_t i = 0; i < stars.Count(); ++i) {
        EXPECT_GE(stars.At(i).x, 0);
        EXPECT_LT(stars.At(i).x, 69);
        EXPECT_GE(stars.At(i).y, 0);
        EXPECT_LT(stars.At(i).y, 63);
    }
    stars.Scatter({100, 200, 110, 203}, random);
    for (int32_t i = 0; i < stars.Count(); ++i) {
        EXPECT_GE(stars.At(i).x, 100);
        EXPECT_LT(stars.At(i).x, 110);
        EXPECT_GE(stars.At(i).y, 200);
        EXPECT_LT(stars.At(i).y, 203);
    }
}

TEST(StarField, MakesColoursFirstThenPlaces)
{
    LcgRandom random(77);
    LcgRandom replica(77);
    StarField stars(4, Area(69, 63), random);
    std::vector<Color> colors;
    for (int i = 0; i < 4; ++i)
        colors.push_back(RandomColor(replica));
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(stars.At(i).color, colors[static_cast<size_t>(i)]);
        EXPECT_EQ(stars.At(i).x, replica.Rand() % 69);
        EXPECT_EQ(stars.At(i).y, replica.Rand() % 63);
    }
}

TEST(StarField, AnEmptyAreaPlacesAndDrawsNothing)
{
    LcgRandom random(3);
    StarField stars(32, Area(0, 40), random);
    EXPECT_FALSE(stars.Placed());
    EXPECT_TRUE(stars.Twinkle(random, true).empty());
    EXPECT_TRUE(stars.Twinkle(random, false).empty());
    stars.Scatter(Area(20, 20), random);
    EXPECT_TRUE(stars.Placed());
    EXPECT_EQ(stars.Twinkle(random, true).size(), 32u);
}

TEST(StarField, EveryStarTakesPartInTheFirstDrawing)
{
    LcgRandom random(8);
    StarField stars(32, Area(69, 63), random);
    std::vector<Color> before;
    for (int32_t i = 0; i < 32; ++i)
        before.push_back(stars.At(i).color);
    LcgRandom replica = random;
    const std::vector<int32_t> changed = stars.Twinkle(random, true);
    ASSERT_EQ(changed.size(), 32u);
    for (int32_t i = 0; i < 32; ++i) {
        EXPECT_EQ(changed[static_cast<size_t>(i)], i);
        EXPECT_EQ(stars.At(i).color, before[static_cast<size_t>(i)] ^ RandomColor(replica));
    }
}

TEST(StarField, AStarTwinklesWhenTheNumberModulo18Is9)
{
    LcgRandom random(4);
    StarField stars(32, Area(69, 63), random);
    size_t twinkled = 0;
    for (int frame = 0; frame < 500; ++frame) {
        LcgRandom replica = random;
        std::vector<int32_t> expected;
        std::vector<Color> colors;
        for (int32_t i = 0; i < 32; ++i) {
            if (replica.Rand() % 18 != 9)
                continue;
            expected.push_back(i);
            colors.push_back(stars.At(i).color ^ RandomColor(replica));
        }
        const std::vector<int32_t> changed = stars.Twinkle(random, false);
        ASSERT_EQ(changed, expected);
        for (size_t j = 0; j < changed.size(); ++j)
            EXPECT_EQ(stars.At(changed[j]).color, colors[j]);
        twinkled += changed.size();
    }
    // About one star in eighteen per frame: 32 * 500 / 18 is 889.
    EXPECT_GT(twinkled, 700u);
    EXPECT_LT(twinkled, 1100u);
}

TEST(EmblemAnimation, TheFirstFrameDrawsTheStarsThenBlackThenTheLineAtTheCentre)
{
    EmblemAnimation animation(1);
    RecordingCanvas canvas;
    animation.Paint(Area(69, 63), 1700000000u, canvas);

    ASSERT_GE(canvas.calls.size(), 32u + 2u + 40u);
    for (size_t i = 0; i < 32; ++i)
        EXPECT_EQ(canvas.calls[i], "pixel") << i;
    EXPECT_EQ(canvas.calls[32], "fill");
    EXPECT_EQ(canvas.calls[33], "pens");
    EXPECT_EQ(canvas.lineCount, 20);
    // One step when the trail is made, then the frame's own: each draws from oldest to newest.
    for (int32_t k = 0; k < 20; ++k)
        EXPECT_EQ(canvas.calls[34 + static_cast<size_t>(k)], "line " + std::to_string(19 - k));
    EXPECT_EQ(canvas.calls.back(), "line 0");

    ASSERT_NE(animation.Trail(), nullptr);
    const LineTrail& trail = *animation.Trail();
    // Two steps of at most 2 pixels from the centre (34, 31).
    const TrailLine& head = trail.Line(0);
    for (int32_t x : {head.x1, head.x2}) {
        EXPECT_GE(x, 30);
        EXPECT_LE(x, 38);
    }
    for (int32_t y : {head.y1, head.y2}) {
        EXPECT_GE(y, 27);
        EXPECT_LE(y, 35);
    }
    // The older positions are still at the centre.
    EXPECT_EQ(trail.Line(2).x1, 34);
    EXPECT_EQ(trail.Line(2).y1, 31);
    EXPECT_EQ(trail.Line(19).x2, 34);
    EXPECT_EQ(trail.Line(19).y2, 31);
    EXPECT_EQ(trail.SpeedLimitX(), 2);
    EXPECT_EQ(trail.SpeedLimitY(), 2);
}

TEST(EmblemAnimation, InitialVelocitiesComeFromTheTimeSeed)
{
    EmblemAnimation animation(1);
    RecordingCanvas canvas;
    const uint32_t now = 1700000123u;
    animation.Paint(Area(200, 200), now, canvas);
    LcgRandom replica(now);
    TrailVelocity expected;
    expected.dx1 = MulDivRound(replica.Rand(), 4, 32767) - 2;
    expected.dy1 = MulDivRound(replica.Rand(), 4, 32767) - 2;
    expected.dx2 = MulDivRound(replica.Rand(), 4, 32767) - 2;
    expected.dy2 = MulDivRound(replica.Rand(), 4, 32767) - 2;
    // Away from the edges no bounce changes them in the first two steps, and the first
    // frame does not accelerate.
    const TrailVelocity& velocity = animation.Trail()->Velocity();
    EXPECT_EQ(velocity.dx1, expected.dx1);
    EXPECT_EQ(velocity.dy1, expected.dy1);
    EXPECT_EQ(velocity.dx2, expected.dx2);
    EXPECT_EQ(velocity.dy2, expected.dy2);
    EXPECT_EQ(animation.Trail()->Line(0).x1, 100 + 2 * expected.dx1);
    EXPECT_EQ(animation.Trail()->Line(0).y2, 100 + 2 * expected.dy2);
}

TEST(EmblemAnimation, LaterFramesNeitherFillNorMakeANewTrail)
{
    EmblemAnimation animation(1);
    RecordingCanvas first;
    animation.Paint(Area(69, 63), 5, first);
    const LineTrail* trail = animation.Trail();
    RecordingCanvas second;
    animation.Paint(Area(69, 63), 6, second);
    EXPECT_EQ(animation.Trail(), trail);
    size_t lines = 0;
    for (const std::string& call : second.calls) {
        EXPECT_NE(call, "fill");
        EXPECT_NE(call, "pens");
        if (call.rfind("line ", 0) == 0)
            ++lines;
    }
    EXPECT_EQ(lines, 20u);
}

TEST(EmblemAnimation, VelocitiesChangeOnEverySeventhFrame)
{
    EmblemAnimation animation(1);
    RecordingCanvas canvas;
    animation.Paint(Area(69, 63), 42, canvas);
    EXPECT_EQ(animation.FrameCounter(), 1);
    for (int32_t frame = 2; frame <= 6; ++frame) {
        animation.Paint(Area(69, 63), 42, canvas);
        EXPECT_EQ(animation.FrameCounter(), frame);
    }
    animation.Paint(Area(69, 63), 42, canvas);
    EXPECT_EQ(animation.FrameCounter(), 0);
    animation.Paint(Area(69, 63), 42, canvas);
    EXPECT_EQ(animation.FrameCounter(), 1);
}

TEST(EmblemAnimation, ARunStaysInsideTheControl)
{
    EmblemAnimation animation(1234);
    RecordingCanvas canvas;
    for (int frame = 0; frame < 3000; ++frame)
        animation.Paint(Area(69, 63), 99, canvas);
    for (const TrailLine& line : canvas.lines) {
        ASSERT_GE(line.x1, 0);
        ASSERT_LT(line.x1, 69);
        ASSERT_GE(line.y2, 0);
        ASSERT_LT(line.y2, 63);
    }
    for (const Star& pixel : canvas.pixels) {
        ASSERT_GE(pixel.x, 0);
        ASSERT_LT(pixel.x, 69);
        ASSERT_GE(pixel.y, 0);
        ASSERT_LT(pixel.y, 63);
    }
    const TrailVelocity& velocity = animation.Trail()->Velocity();
    EXPECT_LE(std::abs(velocity.dx1), 2);
    EXPECT_LE(std::abs(velocity.dy2), 2);
}

TEST(EmblemAnimation, ResizingMovesTheAreaTheLimitsAndTheStars)
{
    EmblemAnimation animation(1);
    RecordingCanvas canvas;
    animation.Paint(Area(69, 63), 1, canvas);
    animation.Resize(Area(400, 120));
    EXPECT_EQ(animation.Trail()->Area().right, 400);
    EXPECT_EQ(animation.Trail()->SpeedLimitX(), 8);
    EXPECT_EQ(animation.Trail()->SpeedLimitY(), 2);
    bool starBeyondOldArea = false;
    for (int32_t i = 0; i < animation.Stars()->Count(); ++i) {
        EXPECT_LT(animation.Stars()->At(i).x, 400);
        EXPECT_LT(animation.Stars()->At(i).y, 120);
        starBeyondOldArea = starBeyondOldArea || animation.Stars()->At(i).x >= 69;
    }
    EXPECT_TRUE(starBeyondOldArea);
}

TEST(EmblemAnimation, AnEmptyControlDrawsNoStars)
{
    EmblemAnimation animation(1);
    RecordingCanvas canvas;
    animation.Resize(Area(0, 0));  // nothing made yet: nothing to do
    for (int frame = 0; frame < 20; ++frame)
        animation.Paint(Area(0, 0), 3, canvas);
    EXPECT_TRUE(canvas.pixels.empty());
    EXPECT_EQ(canvas.calls[0], "fill");
}
