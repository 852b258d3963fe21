#include "radix_text.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int GroupSize(double value, int radix)
{
    if (radix == 16)
        return 4;
    if (radix == 2)
        return value < 33554432.0 ? 4 : 8;  // 2^25: long binary numbers group by bytes
    return 3;
}

}  // namespace

double ParseRadixText(const std::string& text, int radix)
{
    double sum = 0.0;
    double weight = 1.0;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        char c = *it;
        if (!IsHexDigit(c))
            continue;
        int digit = (radix == 16 && !(c >= '0' && c <= '9')) ? c - 55 : c - '0';
        sum += digit * weight;
        weight *= radix;
    }
    return sum;
}

std::string FormatRadixText(double value, int radix, char separator)
{
    if (!std::isfinite(value) || (radix != 2 && radix != 8 && radix != 10 && radix != 16))
        return "0";

    static const char kDigits[] = "0123456789ABCDEF";
    const bool negative = value < 0;
    const int group = GroupSize(value, radix);

    // Built from the least significant digit. Once the text is longer than the limit, only
    // its tail survives the cut, so there is no need to go on.
    std::string reversed;
    double v = std::floor(std::fabs(value));
    int inGroup = 0;
    while (v != 0.0 && reversed.size() <= kMaxRadixText) {
        reversed += kDigits[static_cast<int>(std::fmod(v, radix))];
        if (separator != '\0' && ++inGroup == group) {
            reversed += separator;
            inGroup = 0;
        }
        v = std::floor(v / radix);
    }
    const bool cut = v != 0.0;

    if (!cut) {
        if (reversed.empty())
            reversed = "0";
        if (separator != '\0' && reversed.back() == separator)
            reversed.pop_back();
        if (negative && radix == 10)
            reversed += '-';
    }
    if (reversed.size() > kMaxRadixText)
        reversed.resize(kMaxRadixText);
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}
