#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The help text is stored in the program as a resource that either holds the plain text or
// this scrambled form: the magic "ZM", four key bytes, then the text XORed with the key. In
// both forms the last byte of the text is an end mark that is never shown.

constexpr uint8_t kScrambleMagic0 = 0x5A;  // 'Z'
constexpr uint8_t kScrambleMagic1 = 0x4D;  // 'M'
constexpr uint32_t kScrambleHeaderSize = 6;
// What the build appends to the help text as its end mark.
constexpr char kHelpTextEndMark = '\0';

struct ScrambledPayload {
    uint8_t* bytes;
    uint32_t length;
};

// Undoes the scrambling in place and gives the text: the payload after the header, or the
// bytes and length unchanged when they do not begin with the magic. Data with the magic but
// too short for the key gives an empty payload. Nothing outside bytes[0, length) is touched.
ScrambledPayload UnscrambleText(uint8_t* bytes, uint32_t length);

// The stored form of `text`: magic, key, and the text XORed the same way (XOR undoes itself).
std::vector<uint8_t> ScrambleText(const std::string& text, const uint8_t (&key)[4]);

// The text the About window shows for a resource's bytes: unscrambled on a private copy, and
// without the end mark. The resource memory itself is read-only and is never written.
std::string HelpTextToShow(const uint8_t* resource, uint32_t size);

// Every line break as CR LF, which a multi-line edit control needs to break lines: LF, CR LF
// and a lone CR all become CR LF.
std::string WithCrlfLineEnds(const std::string& text);

// The resource the build embeds: the text with CR LF line ends and the end mark, scrambled.
std::vector<uint8_t> BuildHelpResource(const std::string& text, const uint8_t (&key)[4]);
