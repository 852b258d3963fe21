#pragma once
#include <string>

// printf-style formatting of one double into a string of any length ("%.8f" of -1.7e308
// is over 300 characters).
std::string FormatNumber(const std::string& format, double value);

// Replaces every `from` character of `text` with `to`.
void ReplaceChar(std::string& text, char from, char to);

// The display format of a precision model: "%.<scale>g" for a number of significant digits,
// "%.<after>f" for a number of digits after the point.
std::string PrecisionFormat(bool after, int nScale, int nAfter);

// The C library's reading of a typed number: the longest valid prefix, 0 when there is none.
double ReadNumber(const std::string& text);

// A decimal number at the start of `text`, as "C"-locale strtod reads one but without its
// extensions: after leading white space, an optional sign, digits with at most one ".", and
// an exponent when it has digits. "10%" gives 10 and "1e" gives 1; "inf", "nan" and "0x10"
// are not numbers here (the last gives 0, its leading digit). No number gives 0.
double ReadDecimalPrefix(const std::string& text);
