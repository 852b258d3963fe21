// Key sequences written as a user reads them, "30 sin - 0.5 =", turned into the control ids
// of the keys to press.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// Words name function keys ("sin", "sqrt", "1/x"); any other token is read one character at
// a time (digits, ".", "+", "-", "*", "/", "%", "="). Returns an empty list when a token
// names no key, so a mistyped test fails instead of pressing something else.
std::vector<int> KeyIds(const std::string& sequence);

}  // namespace e2e
