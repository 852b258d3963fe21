#include "emblem_model.h"

#include <algorithm>

#include "color_math.h"

namespace {

// Hues of the trail, repeated every six lines: red, yellow, green, cyan, blue, magenta.
constexpr Color kHueMasks[6] = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF};
constexpr int32_t kHueCount = 6;
// Lines after the coloured ones, in the background colour.
constexpr int32_t kEraserLines = 2;

// One end moving along one axis: a step past an edge is reflected back inside and reverses
// the velocity. `high` is the first coordinate outside the area.
void Bounce(int32_t& position, int32_t& velocity, int32_t low, int32_t high)
{
    if (position < low) {
        position = 2 * low - position;
        velocity = -velocity;
    }
    if (position >= high) {
        position = 2 * high - position - 1;
        velocity = -velocity;
    }
}

int32_t Clamp(int32_t value, int32_t limit)
{
    return std::max(-limit, std::min(value, limit));
}

}  // namespace

Color TrailLineColor(int32_t k, int32_t trailLength, Color background)
{
    if (k < 0 || k >= trailLength)
        return background;
    // Three brightness steps over the coloured lines: 255, 213, 171 for a trail of 18.
    const int32_t lineCount = trailLength + kEraserLines;
    const int32_t stepsDown = lineCount / 3;
    const int32_t fade = stepsDown > 0 ? 255 / stepsDown : 0;
    const int32_t level = std::max(0, 255 - fade * (k / kHueCount));
    const Color grey = static_cast<Color>(level) * 0x010101u;
    return grey & kHueMasks[k % kHueCount];
}

LineTrail::LineTrail(int32_t trailLength, const EmblemRect& area, int32_t x, int32_t y)
    : trailLength_(trailLength), area_(area),
      lines_(static_cast<size_t>(std::max(0, trailLength) + kEraserLines), TrailLine{x, y, x, y})
{
    ComputeSpeedLimits();
}

void LineTrail::SetArea(const EmblemRect& area)
{
    area_ = area;
    ComputeSpeedLimits();
}

void LineTrail::ComputeSpeedLimits()
{
    speedLimitX_ = std::max(2, area_.Width() / 50);
    speedLimitY_ = std::max(2, area_.Height() / 50);
}

void LineTrail::Accelerate(LcgRandom& random)
{
    velocity_.dx1 += random.Rand() % 5 - 2;
    velocity_.dy1 += random.Rand() % 5 - 2;
    velocity_.dx2 += random.Rand() % 5 - 2;
    velocity_.dy2 += random.Rand() % 5 - 2;
    velocity_.dx1 = Clamp(velocity_.dx1, speedLimitX_);
    velocity_.dy1 = Clamp(velocity_.dy1, speedLimitY_);
    velocity_.dx2 = Clamp(velocity_.dx2, speedLimitX_);
    velocity_.dy2 = Clamp(velocity_.dy2, speedLimitY_);
}

void LineTrail::Step()
{
    // The coordinates move one place toward the old end; the colours stay with the places.
    for (size_t k = lines_.size() - 1; k >= 1; --k)
        lines_[k] = lines_[k - 1];

    TrailLine& head = lines_[0];
    head.x1 += velocity_.dx1;
    head.y1 += velocity_.dy1;
    head.x2 += velocity_.dx2;
    head.y2 += velocity_.dy2;
    Bounce(head.x1, velocity_.dx1, area_.left, area_.right);
    Bounce(head.y1, velocity_.dy1, area_.top, area_.bottom);
    Bounce(head.x2, velocity_.dx2, area_.left, area_.right);
    Bounce(head.y2, velocity_.dy2, area_.top, area_.bottom);
}

Color RandomColor(LcgRandom& random)
{
    const Color blue = static_cast<Color>(random.Rand() % 256);
    const Color green = static_cast<Color>(random.Rand() % 256);
    const Color red = static_cast<Color>(random.Rand() % 256);
    return blue << 16 | green << 8 | red;
}

StarField::StarField(int32_t count, const EmblemRect& area, LcgRandom& random)
    : stars_(static_cast<size_t>(std::max(0, count)))
{
    for (Star& star : stars_)
        star.color = RandomColor(random);
    Scatter(area, random);
}

void StarField::Scatter(const EmblemRect& area, LcgRandom& random)
{
    area_ = area;
    const int32_t width = area.Width();
    const int32_t height = area.Height();
    placed_ = width > 0 && height > 0;
    if (!placed_)
        return;
    for (Star& star : stars_) {
        star.x = area.left + random.Rand() % width;
        star.y = area.top + random.Rand() % height;
    }
}

std::vector<int32_t> StarField::Twinkle(LcgRandom& random, bool everyStar)
{
    std::vector<int32_t> changed;
    if (!placed_)
        return changed;
    for (size_t i = 0; i < stars_.size(); ++i) {
        if (!everyStar && random.Rand() % twinkleDivisor_ != twinkleDivisor_ / 2)
            continue;
        stars_[i].color ^= RandomColor(random);
        changed.push_back(static_cast<int32_t>(i));
    }
    return changed;
}

void EmblemAnimation::Paint(const EmblemRect& client, uint32_t now, EmblemCanvas& canvas)
{
    if (!stars_) {
        stars_ = std::make_unique<StarField>(kStarCount, client, random_);
        DrawStars(stars_->Twinkle(random_, true), canvas);
    }
    if (!trail_) {
        // The black fill also covers the stars just drawn: they come back as they twinkle.
        canvas.FillBackground();
        trail_ = std::make_unique<LineTrail>(kTrailLength, client, client.left + client.Width() / 2,
                                             client.top + client.Height() / 2);
        canvas.TrailCreated(*trail_);
        random_.Seed(now);
        TrailVelocity velocity;
        velocity.dx1 = MulDivRound(random_.Rand(), 4, LcgRandom::kMax) - 2;
        velocity.dy1 = MulDivRound(random_.Rand(), 4, LcgRandom::kMax) - 2;
        velocity.dx2 = MulDivRound(random_.Rand(), 4, LcgRandom::kMax) - 2;
        velocity.dy2 = MulDivRound(random_.Rand(), 4, LcgRandom::kMax) - 2;
        trail_->SetVelocity(velocity);
        trail_->ComputeSpeedLimits();
        StepAndDraw(canvas);
    }

    DrawStars(stars_->Twinkle(random_, false), canvas);

    if (++frameCounter_ > kAccelerationPeriod) {
        frameCounter_ = 0;
        trail_->Accelerate(random_);
    }
    StepAndDraw(canvas);
}

void EmblemAnimation::Resize(const EmblemRect& client)
{
    if (trail_)
        trail_->SetArea(client);
    if (stars_)
        stars_->Scatter(client, random_);
}

void EmblemAnimation::StepAndDraw(EmblemCanvas& canvas)
{
    trail_->Step();
    // Oldest first, so the two black lines at the end erase and the newest lies on top.
    for (int32_t k = trail_->LineCount() - 1; k >= 0; --k)
        canvas.DrawTrailLine(k, trail_->Line(k));
}

void EmblemAnimation::DrawStars(const std::vector<int32_t>& changed, EmblemCanvas& canvas) const
{
    for (int32_t i : changed) {
        const Star& star = stars_->At(i);
        canvas.SetPixel(star.x, star.y, star.color);
    }
}
