#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "color_scheme.h"
#include "lcg_random.h"

// The motion of the About window's emblem: a line whose two ends bounce independently off
// the edges, leaving a fading rainbow trail, over a field of twinkling pixels. Window-free:
// the emblem control supplies its client rectangle and the time, and draws what the model
// hands to an EmblemCanvas.

struct EmblemRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
};

struct TrailLine {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
};

// Velocities of the two ends in pixels per frame.
struct TrailVelocity {
    int32_t dx1 = 0;
    int32_t dy1 = 0;
    int32_t dx2 = 0;
    int32_t dy2 = 0;
};

constexpr Color kEmblemBackground = 0x000000;

// The colour of the line with age k in a trail of `trailLength` coloured lines followed by
// two lines in the background colour, which wipe out the oldest position.
Color TrailLineColor(int32_t k, int32_t trailLength, Color background = kEmblemBackground);

class LineTrail {
public:
    // Every line of the trail starts with both ends at (x, y).
    LineTrail(int32_t trailLength, const EmblemRect& area, int32_t x, int32_t y);

    int32_t TrailLength() const { return trailLength_; }
    int32_t LineCount() const { return static_cast<int32_t>(lines_.size()); }
    const TrailLine& Line(int32_t k) const { return lines_[static_cast<size_t>(k)]; }
    const EmblemRect& Area() const { return area_; }
    const TrailVelocity& Velocity() const { return velocity_; }
    int32_t SpeedLimitX() const { return speedLimitX_; }
    int32_t SpeedLimitY() const { return speedLimitY_; }

    // A new area also sets new speed limits; the lines stay where they are.
    void SetArea(const EmblemRect& area);
    void SetVelocity(const TrailVelocity& velocity) { velocity_ = velocity; }
    // Speed limits from the area: a fiftieth of each side, at least 2.
    void ComputeSpeedLimits();
    // Adds a random change of -2 to 2 to each velocity, then clamps each to its speed limit.
    void Accelerate(LcgRandom& random);
    // One frame: every position moves one place toward the dark end, and the newest line
    // moves by the velocities and bounces off the edges.
    void Step();

private:
    int32_t trailLength_;
    int32_t speedLimitX_ = 2;
    int32_t speedLimitY_ = 2;
    EmblemRect area_;
    std::vector<TrailLine> lines_;
    TrailVelocity velocity_;
};

struct Star {
    int32_t x = 0;
    int32_t y = 0;
    Color color = 0;
};

class StarField {
public:
    // The stars get their random colours and, when the area is not empty, their places.
    StarField(int32_t count, const EmblemRect& area, LcgRandom& random);

    int32_t Count() const { return static_cast<int32_t>(stars_.size()); }
    const Star& At(int32_t i) const { return stars_[static_cast<size_t>(i)]; }
    int32_t TwinkleDivisor() const { return twinkleDivisor_; }
    bool Placed() const { return placed_; }

    // New random places over a new area; an empty area leaves the stars unplaced.
    void Scatter(const EmblemRect& area, LcgRandom& random);
    // Each star takes part with a chance of one in the twinkle divisor, or always when
    // `everyStar`: its colour is XORed with a random colour. Gives the indices of the stars
    // whose pixels must be set; none while the stars are unplaced.
    std::vector<int32_t> Twinkle(LcgRandom& random, bool everyStar);

private:
    int32_t twinkleDivisor_ = 18;
    bool placed_ = false;
    EmblemRect area_;
    std::vector<Star> stars_;
};

// A random colour from three numbers: blue, green and red in that order.
Color RandomColor(LcgRandom& random);

// Where a frame goes.
class EmblemCanvas {
public:
    virtual ~EmblemCanvas() = default;
    virtual void FillBackground() = 0;
    virtual void SetPixel(int32_t x, int32_t y, Color color) = 0;
    // Line k of the trail, in the colour of its age.
    virtual void DrawTrailLine(int32_t k, const TrailLine& line) = 0;
    // The trail was just made: the canvas may prepare the pens of its lines.
    virtual void TrailCreated(const LineTrail& /*trail*/) {}
};

// The whole animation: what one paint of the emblem does.
class EmblemAnimation {
public:
    static constexpr int32_t kTrailLength = 18;
    static constexpr int32_t kStarCount = 32;
    // The velocities change when the frame counter exceeds this: on every seventh frame.
    static constexpr int32_t kAccelerationPeriod = 6;

    explicit EmblemAnimation(uint32_t seed) : random_(seed) {}

    // One frame. `now` seeds the numbers when the trail is made at the first frame.
    void Paint(const EmblemRect& client, uint32_t now, EmblemCanvas& canvas);
    // The control has a new size: new area and speed limits, the stars scattered anew.
    void Resize(const EmblemRect& client);

    const LineTrail* Trail() const { return trail_.get(); }
    const StarField* Stars() const { return stars_.get(); }
    int32_t FrameCounter() const { return frameCounter_; }
    LcgRandom& Random() { return random_; }

private:
    void StepAndDraw(EmblemCanvas& canvas);
    void DrawStars(const std::vector<int32_t>& changed, EmblemCanvas& canvas) const;

    LcgRandom random_;
    std::unique_ptr<LineTrail> trail_;
    std::unique_ptr<StarField> stars_;
    int32_t frameCounter_ = 0;
};
