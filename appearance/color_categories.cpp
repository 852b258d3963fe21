#include "color_categories.h"

namespace {

constexpr Color kNone = 0xFFFFFFFFu;
constexpr uint32_t kBackOnly = kKindBack | kKindPreviewWindowText;                        // 0x82
constexpr uint32_t kTextAndBack = kKindText | kKindBack;                                  // 0x03
constexpr uint32_t kKeyText = kKindText | kKindPreviewOnButton | kKindPreviewButtonFace;  // 0x45

ColorCategory Row(const char* name, Color* text, Color* back, uint32_t kind, uint32_t mask)
{
    return ColorCategory{name, kNone, kNone, text, back, kind, mask};
}

}  // namespace

std::vector<ColorGroup> BuildColorGroups(ColorScheme& scheme, Edition edition)
{
    Color* b = scheme.crBasicColors;
    Color* x = scheme.crExtendedColors;
    const bool classic = edition == Edition::Classic;

    ColorGroup texts{"Text & Back", {}};
    texts.rows.push_back(Row("Dialog Background", nullptr, &b[kDialogBack], kBackOnly, 0x80002000u));
    if (classic)
        texts.rows.push_back(Row("Button Background", nullptr, &b[kKeyBack], kBackOnly, 0x80004000u));
    texts.rows.push_back(Row("Enter Window", &b[kEnterText], &b[kEnterBack], kTextAndBack, 0x80000011u));
    texts.rows.push_back(Row("Result Window", &b[kAccText], &b[kResultBack], kTextAndBack, 0x80000022u));
    texts.rows.push_back(
        Row("Operation Info", &b[kOperations1Text], &b[kOperationInfoBack], kTextAndBack, 0x80000208u));
    texts.rows.push_back(Row("A-M Info", &b[kAccText], &b[kAmInfoBack], kTextAndBack, 0x80000024u));
    texts.rows.push_back(Row("Acc", &b[kAccText], &b[kResultBack], kTextAndBack, 0x80000022u));
    texts.rows.push_back(Row("Mem", &b[kMemText], &b[kResultBack], kTextAndBack, 0x80000042u));

    std::vector<ColorGroup> groups;
    groups.push_back(texts);
    if (!classic)
        return groups;

    groups.push_back(
        ColorGroup{"Basic Buttons",
                   {Row("Memory", &b[kMemoryKeysText], nullptr, kKeyText, 0x80000080u),
                    Row("Digits", &b[kDigitKeysText], nullptr, kKeyText, 0x80000100u),
                    Row("Operations 1", &b[kOperations1Text], nullptr, kKeyText, 0x80000200u),
                    Row("Operations 2", &b[kOperations2Text], nullptr, kKeyText, 0x80000400u),
                    Row("Clear Operations", &b[kClearKeysText], nullptr, kKeyText, 0x80000800u),
                    Row("Extension Button", &b[kExtensionKeyText], nullptr, kKeyText, 0x80001000u)}});
    groups.push_back(
        ColorGroup{"Extended Buttons",
                   {Row("Constants", &x[kConstantsText], nullptr, kKeyText, 0x40000001u),
                    Row("Hex Digits", &x[kHexDigitsText], nullptr, kKeyText, 0x40000002u),
                    Row("Operations 3", &x[kOperations3Text], nullptr, kKeyText, 0x40000004u),
                    Row("Swap Button", &x[kSwapKeyText], nullptr, kKeyText, 0x40000008u),
                    Row("Question Button", &x[kQuestionKeyText], nullptr, kKeyText, 0x40000010u)}});
    return groups;
}
