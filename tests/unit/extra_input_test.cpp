// The extra box's input rule: what a key or a paste does to its text, and the amount read
// from it.
#include <gtest/gtest.h>

#include "extra_input.h"
#include "loan_settings.h"

namespace {

// "|" marks the caret, "[...]" the selection, in the texts before and after.
struct Box {
    std::string text;
    size_t from = 0, to = 0;
};

Box Parse(const std::string& marked)
{
    Box box;
    for (const char c : marked) {
        if (c == '|' || c == '[') {
            box.from = box.to = box.text.size();
        } else if (c == ']') {
            box.to = box.text.size();
        } else {
            box.text += c;
        }
    }
    return box;
}

std::string Marked(const std::optional<ExtraBox>& box)
{
    if (!box)
        return "refused";
    return box->text.substr(0, box->caret) + "|" + box->text.substr(box->caret);
}

struct Edit {
    const char* before;
    const char* input;  // one character typed, or a paste
    bool paste;
    char separator;
    const char* after;
};

class ExtraBoxEdit : public testing::TestWithParam<Edit> {};

TEST_P(ExtraBoxEdit, LeavesTheTextAndCaret)
{
    const Edit& e = GetParam();
    const Box box = Parse(e.before);
    const std::optional<ExtraBox> after =
        e.paste ? PasteIntoExtra(box.text, box.from, box.to, e.input, e.separator)
                : TypeIntoExtra(box.text, box.from, box.to, e.input[0], e.separator);
    EXPECT_EQ(Marked(after), e.after);
    if (after) {
        EXPECT_TRUE(IsExtraText(after->text, e.separator)) << after->text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ExtraBoxEdit,
    testing::Values(Edit{"|", "5", false, '.', "5|"}, Edit{"12|", "3", false, '.', "123|"},
                    Edit{"1|3", "2", false, '.', "12|3"},
                    // Either separator key enters the one in force; a second is refused.
                    Edit{"12|", ".", false, '.', "12.|"}, Edit{"12|", ".", false, ',', "12,|"},
                    Edit{"12|", ",", false, '.', "12.|"}, Edit{"1.5|", ".", false, '.', "refused"},
                    Edit{"1|.5", ",", false, '.', "refused"},
                    // Two decimals at most, wherever the caret stands.
                    Edit{"12.34|", "5", false, '.', "refused"}, Edit{"12.|34", "5", false, '.', "refused"},
                    Edit{"|12.34", "5", false, '.', "5|12.34"}, Edit{"1|234", ".", false, '.', "refused"},
                    // A separator first is "0" and the separator; a leading "0" gives way.
                    Edit{"|", ".", false, '.', "0.|"}, Edit{"|5", ",", false, ',', "0,|5"},
                    Edit{"0|", "7", false, '.', "7|"}, Edit{"|5", "0", false, '.', "|5"},
                    // Anything else is refused, the selection kept.
                    Edit{"12|", "a", false, '.', "refused"}, Edit{"12|", "-", false, '.', "refused"},
                    Edit{"12|", " ", false, '.', "refused"}, Edit{"[12]", "x", false, '.', "refused"},
                    Edit{"12|", "\xe9", false, '.', "refused"},
                    // A key replaces the selection.
                    Edit{"[12]", "9", false, '.', "9|"}, Edit{"1[2.3]4", "5", false, '.', "15|4"},
                    Edit{"1[2]", ".", false, '.', "1.|"},
                    // No more characters than a loan input holds.
                    Edit{"99999999999999999999999999999999999999999999999999999999999999|", "9", false, '.',
                         "refused"}));

INSTANTIATE_TEST_SUITE_P(
    Pastes, ExtraBoxEdit,
    testing::Values(Edit{"|", "1 500.75", true, '.', "1500.75|"},
                    Edit{"|", "1 500,75", true, '.', "1500.75|"},
                    // Up to the first character refused.
                    Edit{"|", "12.345", true, '.', "12.34|"}, Edit{"|", "250k", true, '.', "250|"},
                    Edit{"|", "1,234.56", true, '.', "1.23|"}, Edit{"|", "12E3", true, '.', "12|"},
                    Edit{"|", "-5", true, '.', "refused"}, Edit{"[7]", "abc", true, '.', "refused"},
                    Edit{"|", "", true, '.', "refused"}, Edit{"|", "   ", true, '.', "refused"},
                    Edit{"1[0]0", "25", true, '.', "125|0"}, Edit{"|", ".5", true, ',', "0,5|"},
                    Edit{"|", "00012", true, '.', "12|"},
                    // A long paste stops at what the box holds.
                    Edit{"|", "123456789012345678901234567890123456789012345678901234567890123456789", true,
                         '.', "12345678901234567890123456789012345678901234567890123456789012|"}));

TEST(ExtraBox, TextsItCanHold)
{
    for (const char* text : {"", "0", "12", "12.", "12.3", "12.34", "0.05"})
        EXPECT_TRUE(IsExtraText(text, '.')) << text;
    for (const char* text : {"12.345", "1.2.3", "1,5", "a", " 5", "-5", "5%"})
        EXPECT_FALSE(IsExtraText(text, '.')) << text;
    EXPECT_TRUE(IsExtraText(std::string(kLoanTextMaxLength, '9'), '.'));
    EXPECT_FALSE(IsExtraText(std::string(kLoanTextMaxLength + 1, '9'), '.'));
}

TEST(ExtraBox, ItsAmountInCents)
{
    const struct {
        const char* text;
        char separator;
        int64_t cents;
    } cases[] = {{"", '.', 0},
                 {"0", '.', 0},
                 {"50", '.', 5000},
                 {"12.3", '.', 1230},
                 {"12.34", '.', 1234},
                 {"12,34", ',', 1234},
                 {"12,34", '.', 1200},
                 {"0.05", '.', 5},
                 {"12.", '.', 1200},
                 {"1.239", '.', 123},
                 {"7x9", '.', 700},
                 {".5", '.', 50},
                 {"46116860184273879", '.', 4611686018427387900},
                 {"46116860184273880", '.', kMaxExtraCents},
                 {"99999999999999999999", '.', kMaxExtraCents}};
    for (const auto& c : cases)
        EXPECT_EQ(ExtraCents(c.text, c.separator), c.cents) << c.text;
}

}  // namespace
