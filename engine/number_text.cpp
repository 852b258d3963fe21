#include "number_text.h"

#include <cstdio>
#include <cstdlib>

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
