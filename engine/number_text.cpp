#include "number_text.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The white space of the "C" locale, whatever the process locale is.
bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

size_t SkipDigits(const std::string& text, size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

}  // namespace

std::string FormatNumber(const std::string& format, double value)
{
    char small[64];
    int length = std::snprintf(small, sizeof small, format.c_str(), value);
    if (length < 0)
        return std::string();
    if (static_cast<size_t>(length) < sizeof small)
        return std::string(small, static_cast<size_t>(length));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(&text[0], text.size(), format.c_str(), value);
    text.resize(static_cast<size_t>(length));
    return text;
}

void ReplaceChar(std::string& text, char from, char to)
{
    for (char& c : text)
        if (c == from)
            c = to;
}

std::string PrecisionFormat(bool after, int nScale, int nAfter)
{
    char format[16];
    if (after)
        std::snprintf(format, sizeof format, "%%.%df", nAfter);
    else
        std::snprintf(format, sizeof format, "%%.%dg", nScale);
    return format;
}

double ReadNumber(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

double ReadDecimalPrefix(const std::string& text)
{
    size_t start = 0;
    while (start < text.size() && IsCSpace(text[start]))
        ++start;

    size_t end = start;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    const size_t integerStart = end;
    end = SkipDigits(text, end);
    size_t digits = end - integerStart;
    if (end < text.size() && text[end] == '.') {
        const size_t fractionStart = end + 1;
        const size_t fractionEnd = SkipDigits(text, fractionStart);
        digits += fractionEnd - fractionStart;
        end = fractionEnd;
    }
    if (digits == 0)
        return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }

    // strtod of the matched text alone rounds it correctly, and cannot go on to read what
    // this format leaves out.
    const std::string number = text.substr(start, end - start);
    return std::strtod(number.c_str(), nullptr);
}
