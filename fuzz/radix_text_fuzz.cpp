// Integer texts and digit grouping on any value, radix, separator and text: the integer
// panel's 127-character limit, the round trip of every value a double holds exactly, and
// grouping that only ever inserts spaces.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "group_digits.h"
#include "radix_text.h"

namespace {

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The engine's radixes, their neighbours, and anything.
int Radix(FuzzInput& in)
{
    static const int kRadixes[] = {2, 8, 10, 16, 0, 1, 3, 7, 9, 11, 15, 17, 36, -2, -10, -16};
    const uint8_t pick = in.Byte();
    if (pick < 2 * sizeof kRadixes / sizeof *kRadixes)
        return kRadixes[pick % (sizeof kRadixes / sizeof *kRadixes)];
    return static_cast<int32_t>(in.Word());
}

// A value near the interesting sizes as often as any bit pattern.
double Value(FuzzInput& in)
{
    const uint8_t how = in.Byte();
    if (how % 4 == 0)
        return in.Double();
    const double mantissa = static_cast<double>(in.Word()) * 4294967296.0 + in.Word();
    const int shift = static_cast<int>(in.Byte() % 128) - 64;
    const double value = std::ldexp(mantissa, shift);
    return (how & 0x80) ? -value : value;
}

void CheckGrouping(const std::string& source, int group)
{
    const std::string grouped = GroupDigits(source, group);
    // Taking the inserted spaces out again gives the source.
    std::string back;
    size_t si = 0;
    for (size_t gi = 0; gi < grouped.size(); ++gi) {
        if (si < source.size() && grouped[gi] == source[si]) {
            back += grouped[gi];
            ++si;
        } else {
            FUZZ_CHECK(grouped[gi] == ' ', "grouping inserted " + Quoted(std::string(1, grouped[gi])));
        }
    }
    FUZZ_CHECK(back == source, Quoted(source) + " grouped as " + Quoted(grouped));
    if (group < 1)
        FUZZ_CHECK(grouped == source, "group " + std::to_string(group) + " changed " + Quoted(source));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const double value = Value(in);
    const int radix = Radix(in);
    // The program groups with a space or not at all; a separator that is itself a digit
    // would make the text unreadable, so none is tried.
    char separator = static_cast<char>(in.Byte());
    if (IsHexDigit(separator))
        separator = ' ';

    const std::string text = FormatRadixText(value, radix, separator);
    char shownValue[64];
    std::snprintf(shownValue, sizeof shownValue, "%a radix %d separator 0x%02X", value, radix,
                  static_cast<unsigned char>(separator));
    FUZZ_CHECK(!text.empty() && text.size() <= kMaxRadixText,
               std::string(shownValue) + " gave " + Quoted(text));

    const bool knownRadix = radix == 2 || radix == 8 || radix == 10 || radix == 16;
    if (!std::isfinite(value) || !knownRadix)
        FUZZ_CHECK(text == "0", std::string(shownValue) + " gave " + Quoted(text));
    if (knownRadix && std::isfinite(value)) {
        for (const char c : text) {
            const bool digit =
                IsHexDigit(c) && (c <= '9' ? c - '0' : c - 'A' + 10) < radix && !(c >= 'a' && c <= 'f');
            FUZZ_CHECK(digit || c == separator || (c == '-' && radix == 10),
                       std::string(shownValue) + " gave " + Quoted(text));
        }
    }
    // Every value below 2^53 has an exact integer part, and its text is short enough to keep
    // every digit.
    if (knownRadix && std::isfinite(value) && std::fabs(value) < 9007199254740992.0) {
        const double parsed = ParseRadixText(text, radix);
        FUZZ_CHECK(parsed == std::floor(std::fabs(value)), std::string(shownValue) + " gave " + Quoted(text));
    }

    // Any text parses in any radix; in the program's radixes never to a negative number.
    const std::string any = in.Text(in.Byte());
    const double parsed = ParseRadixText(any, radix);
    if (knownRadix)
        FUZZ_CHECK(!(parsed < 0), Quoted(any) + " parsed below zero");

    CheckGrouping(any, static_cast<int8_t>(in.Byte()));
    return 0;
}
