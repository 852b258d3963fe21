#pragma once
#include <cstdint>

// The 15-bit linear congruential generator of the Windows C runtime's rand and srand. The
// emblem draws its numbers from here rather than from the C library, whose range differs
// between platforms (glibc gives 31 bits), so the unit tests see exactly the numbers, and
// the ranges, that users see.
class LcgRandom {
public:
    static constexpr int32_t kMax = 0x7FFF;

    // A new generator starts as the C runtime does before any srand: seeded with 1.
    LcgRandom() = default;
    explicit LcgRandom(uint32_t seed) : state_(seed) {}

    void Seed(uint32_t seed) { state_ = seed; }
    // 0 to 32767.
    int32_t Rand()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFFu);
    }

private:
    uint32_t state_ = 1;
};
