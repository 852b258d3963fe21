#pragma once
#include <string>

// A copy of `source` with a space before every `group`-th digit of the integer part, counted
// from the decimal separator ("." or else ","; the whole text when it has neither):
// 1234567.5 gives 1 234 567.5. The fraction is never grouped. A group below 1 changes nothing.
std::string GroupDigits(const std::string& source, int group = 3);
