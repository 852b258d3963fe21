#include "extra_input.h"

#include <algorithm>

#include "loan_settings.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A separator first is "0" and the separator, as the loan amount's key makes it; a leading
// zero before a digit goes, as the loan amount replaces a lone "0".
void Normalise(ExtraBox& box, char separator)
{
    if (!box.text.empty() && box.text[0] == separator) {
        box.text.insert(box.text.begin(), '0');
        ++box.caret;
    }
    while (box.text.size() >= 2 && box.text[0] == '0' && IsDigit(box.text[1])) {
        box.text.erase(0, 1);
        if (box.caret > 0)
            --box.caret;
    }
}

// The character a key or a pasted character enters, or '\0' for one that is refused.
char Entered(char c, char separator)
{
    if (IsDigit(c))
        return c;
    return c == '.' || c == ',' ? separator : '\0';
}

// The text without the selection, the caret where the selection began.
ExtraBox WithoutSelection(const std::string& text, size_t from, size_t to)
{
    from = std::min(from, text.size());
    to = std::min(to, text.size());
    if (from > to)
        std::swap(from, to);
    return ExtraBox{text.substr(0, from) + text.substr(to), from};
}

// The box with `c` entered at the caret, or nothing when the result could not be typed.
std::optional<ExtraBox> Enter(const ExtraBox& box, char c, char separator)
{
    ExtraBox next = box;
    next.text.insert(next.caret, 1, c);
    ++next.caret;
    Normalise(next, separator);
    if (!IsExtraText(next.text, separator))
        return std::nullopt;
    return next;
}

}  // namespace

bool IsExtraText(const std::string& text, char separator)
{
    if (text.size() > kLoanTextMaxLength)
        return false;
    const size_t point = text.find(separator);
    if (point != std::string::npos && text.size() - point - 1 > 2)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsDigit(text[i]) && i != point)
            return false;
    }
    return true;
}

std::optional<ExtraBox> TypeIntoExtra(const std::string& text, size_t from, size_t to, char typed,
                                      char separator)
{
    const char c = Entered(typed, separator);
    if (c == '\0')
        return std::nullopt;
    return Enter(WithoutSelection(text, from, to), c, separator);
}

std::optional<ExtraBox> PasteIntoExtra(const std::string& text, size_t from, size_t to,
                                       const std::string& pasted, char separator)
{
    ExtraBox box = WithoutSelection(text, from, to);
    bool taken = false;
    for (const char p : pasted) {
        if (p == ' ')
            continue;
        const char c = Entered(p, separator);
        const std::optional<ExtraBox> next = c == '\0' ? std::nullopt : Enter(box, c, separator);
        if (!next)
            break;
        box = *next;
        taken = true;
    }
    if (!taken)
        return std::nullopt;
    return box;
}

int64_t ExtraCents(const std::string& text, char separator)
{
    int64_t cents = 0;
    // cents x 10 + digit, or false once that would pass kMaxExtraCents (then the amount is).
    auto shift = [&cents](int digit) {
        if (cents > (kMaxExtraCents - digit) / 10)
            return false;
        cents = cents * 10 + digit;
        return true;
    };
    int decimals = -1;  // none until the separator
    for (const char c : text) {
        if (c == separator && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!IsDigit(c) || decimals == 2)
            break;
        if (!shift(c - '0'))
            return kMaxExtraCents;
        if (decimals >= 0)
            ++decimals;
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 2; ++d) {
        if (!shift(0))
            return kMaxExtraCents;
    }
    return cents;
}
