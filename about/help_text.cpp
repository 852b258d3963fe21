#include "help_text.h"

namespace {

// Key byte for payload byte i: blocks of four alternate between the key reversed (3, 2, 1, 0)
// and as stored (0, 1, 2, 3), beginning with the reversed one.
uint8_t KeyByteFor(const uint8_t* key, uint32_t i)
{
    const uint32_t inBlock = i % 4;
    const bool reversed = (i / 4) % 2 == 0;
    return key[reversed ? 3 - inBlock : inBlock];
}

}  // namespace

ScrambledPayload UnscrambleText(uint8_t* bytes, uint32_t length)
{
    if (bytes == nullptr || length < 2 || bytes[0] != kScrambleMagic0 || bytes[1] != kScrambleMagic1)
        return {bytes, length};
    if (length < kScrambleHeaderSize)
        return {bytes + length, 0};
    uint8_t key[4] = {bytes[2], bytes[3], bytes[4], bytes[5]};
    uint8_t* payload = bytes + kScrambleHeaderSize;
    const uint32_t payloadLength = length - kScrambleHeaderSize;
    for (uint32_t i = 0; i < payloadLength; ++i)
        payload[i] = static_cast<uint8_t>(payload[i] ^ KeyByteFor(key, i));
    return {payload, payloadLength};
}

std::vector<uint8_t> ScrambleText(const std::string& text, const uint8_t (&key)[4])
{
    std::vector<uint8_t> out;
    out.reserve(kScrambleHeaderSize + text.size());
    out.push_back(kScrambleMagic0);
    out.push_back(kScrambleMagic1);
    out.insert(out.end(), key, key + 4);
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t plain = static_cast<uint8_t>(text[i]);
        out.push_back(static_cast<uint8_t>(plain ^ KeyByteFor(key, static_cast<uint32_t>(i))));
    }
    return out;
}

std::string HelpTextToShow(const uint8_t* resource, uint32_t size)
{
    if (resource == nullptr || size == 0)
        return std::string();
    // One byte more than the resource, zeroed, so the copy is terminated whatever it holds.
    std::vector<uint8_t> copy(resource, resource + size);
    copy.push_back(0);
    const ScrambledPayload text = UnscrambleText(copy.data(), size);
    if (text.length == 0)
        return std::string();
    return std::string(reinterpret_cast<const char*>(text.bytes), text.length - 1);
}

std::string WithCrlfLineEnds(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<uint8_t> BuildHelpResource(const std::string& text, const uint8_t (&key)[4])
{
    std::string stored = WithCrlfLineEnds(text);
    stored += kHelpTextEndMark;
    return ScrambleText(stored, key);
}
