#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Reads the fuzzer's bytes front to back. Past the end every read gives zeros, so a harness
// never has to check lengths, and a seed written by hand reads in the order it was written
// (libFuzzer's FuzzedDataProvider takes numbers from the back, which makes seeds hard to write).
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    size_t Remaining() const { return at_ < size_ ? size_ - at_ : 0; }

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    bool Bool() { return (Byte() & 1) != 0; }
    int8_t Signed() { return static_cast<int8_t>(Byte()); }

    uint32_t Word()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<uint32_t>(Byte()) << (8 * i);
        return value;
    }

    // Any bit pattern, so NaNs, infinities and subnormals come as often as plain numbers.
    double Double()
    {
        const uint64_t bits = Word() | static_cast<uint64_t>(Word()) << 32;
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Up to `count` bytes, fewer when the input ends first.
    std::string Text(size_t count)
    {
        const size_t taken = count < Remaining() ? count : Remaining();
        std::string text(reinterpret_cast<const char*>(data_ + at_), taken);
        at_ += taken;
        return text;
    }

    // A short pattern repeated: clipboards far larger than the fuzzer's input, cheaply.
    std::string RepeatedText()
    {
        const size_t repeats = static_cast<size_t>(Byte()) * 64 + 1;
        const std::string pattern = Text(Byte() % 16 + 1);
        std::string text;
        text.reserve(pattern.size() * repeats);
        for (size_t i = 0; i < repeats; ++i)
            text += pattern;
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};
