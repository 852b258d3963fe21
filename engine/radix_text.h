#pragma once
#include <string>

// Integer texts in base 10, 16, 8 or 2.

// Reads the digits of `text` from the last to the first, skipping every character that is
// not a hexadecimal digit (group spaces, a minus sign). Never negative.
double ParseRadixText(const std::string& text, int radix);

// The integer part of |value| in `radix`, the digits grouped (4 for hexadecimal, 3 for decimal
// and octal, 4 or 8 for binary) with `separator` after every full group when it is not '\0'.
// Base 10 shows a minus sign; the other bases show the magnitude. At most 127 characters,
// keeping the least significant ones. A value that is not finite, or a radix other than
// 2, 8, 10 or 16, gives "0".
std::string FormatRadixText(double value, int radix, char separator);

constexpr size_t kMaxRadixText = 127;
