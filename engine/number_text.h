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
