#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "color_scheme.h"

// The texts of the colour chooser's Red, Green and Blue boxes, read in the two ways the
// colours dialog reads them.

// How many characters of a box the polling looks at.
constexpr size_t kPolledBoxChars = 7;

// One box as the change polling reads it: never refused, always one channel's byte.
struct PolledChannel {
    uint8_t value;
    std::string canonical;  // the value's decimal text
    bool rewrite;           // the box should be given the canonical text
};

// Reads the box's first kPolledBoxChars characters as an integer: leading blanks and a sign
// are allowed and reading stops at the first non-digit. A text without a number is 0, and
// the value is clamped to 0..255, so a negative number is 0 and never borrows from another
// channel. A box that is not empty and differs from the canonical text gets it back (so
// "007" becomes "7"); an empty box stays empty while it is being typed into.
PolledChannel ReadPolledChannel(const std::string& text);

// The box as the dialog's reading of its controls validates it: blanks, an optional sign and
// digits, blanks, and nothing else, for a value from 0 to 255. Anything else, an empty box
// included, is refused with kChannelRangeMessage.
std::optional<uint8_t> ParseChannel(const std::string& text);

constexpr const char* kChannelRangeMessage = "Please enter an integer between 0 and 255.";

// A colour word from its channels, red in the lowest byte.
constexpr Color ColorFromChannels(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<Color>(red) | static_cast<Color>(green) << 8 | static_cast<Color>(blue) << 16;
}
constexpr uint8_t RedOf(Color color)
{
    return static_cast<uint8_t>(color & 0xFF);
}
constexpr uint8_t GreenOf(Color color)
{
    return static_cast<uint8_t>(color >> 8 & 0xFF);
}
constexpr uint8_t BlueOf(Color color)
{
    return static_cast<uint8_t>(color >> 16 & 0xFF);
}
