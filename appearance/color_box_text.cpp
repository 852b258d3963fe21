#include "color_box_text.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads blanks, a sign and digits from `pos` on. The magnitude saturates above 255, so no
// text of any length overflows. False when there is no digit.
bool ReadInteger(const std::string& text, size_t& pos, bool& negative, int& magnitude)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    const size_t first = pos;
    magnitude = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > 255)
            magnitude = 256;
        ++pos;
    }
    return pos > first;
}

}  // namespace

PolledChannel ReadPolledChannel(const std::string& text)
{
    const std::string read = text.substr(0, kPolledBoxChars);
    size_t pos = 0;
    bool negative = false;
    int magnitude = 0;
    int value = 0;
    if (ReadInteger(read, pos, negative, magnitude))
        value = negative ? 0 : (magnitude > 255 ? 255 : magnitude);
    PolledChannel channel{static_cast<uint8_t>(value), std::to_string(value), false};
    channel.rewrite = !read.empty() && read != channel.canonical;
    return channel;
}

std::optional<uint8_t> ParseChannel(const std::string& text)
{
    size_t pos = 0;
    bool negative = false;
    int magnitude = 0;
    if (!ReadInteger(text, pos, negative, magnitude))
        return std::nullopt;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    if (pos != text.size())
        return std::nullopt;
    if (negative && magnitude != 0)
        return std::nullopt;
    if (magnitude > 255)
        return std::nullopt;
    return static_cast<uint8_t>(magnitude);
}
