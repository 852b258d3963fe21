#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The schedule window's "Extra per month:" box takes an amount as the loan amount is typed:
// digits and one decimal separator (the one in force; "." and "," both enter it), at most two
// decimals, at most as many characters as a loan input holds. A separator typed first comes
// as "0" and the separator, and a leading "0" gives way to the digit typed after it. Anything
// else is refused: the box stays as it was.

// The box's text and where its caret stands after an edit.
struct ExtraBox {
    std::string text;
    size_t caret = 0;
};

// A character typed over the selection [from, to) of `text` (an empty selection is the
// caret); nothing when it is refused.
std::optional<ExtraBox> TypeIntoExtra(const std::string& text, size_t from, size_t to, char typed,
                                      char separator);

// A paste over the selection: its characters typed one after the other, spaces (group
// spaces of a copied number) skipped, up to the first one that is refused. Nothing when not
// even the first is taken.
std::optional<ExtraBox> PasteIntoExtra(const std::string& text, size_t from, size_t to,
                                       const std::string& pasted, char separator);

// Whether the box could hold this text: what came another way (an undo, a message from
// another program) is put right with PasteIntoExtra into an empty box.
bool IsExtraText(const std::string& text, char separator);

// The box's amount in cents; nothing typed is 0, and an amount beyond any loan counts as
// kMaxExtraCents. Reads what the box can hold; a text it cannot counts up to its first
// character that is neither a digit nor `separator`.
constexpr int64_t kMaxExtraCents = int64_t{1} << 62;
int64_t ExtraCents(const std::string& text, char separator);
