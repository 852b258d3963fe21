#include "color_categories.h"

#include "color_plan.h"

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
    texts.rows.push_back(
        Row("Dialog Background", nullptr, &b[kDialogBack], kBackOnly, kBasicPart | kDialogBackBit));
    if (classic)
        texts.rows.push_back(
            Row("Button Background", nullptr, &b[kKeyBack], kBackOnly, kBasicPart | kKeyBackBit));
    texts.rows.push_back(Row("Enter Window", &b[kEnterText], &b[kEnterBack], kTextAndBack,
                             kBasicPart | kEnterTextBit | kEnterBackBit));
    texts.rows.push_back(Row("Result Window", &b[kAccText], &b[kResultBack], kTextAndBack,
                             kBasicPart | kAccTextBit | kResultBackBit));
    texts.rows.push_back(Row("Operation Info", &b[kOperations1Text], &b[kOperationInfoBack], kTextAndBack,
                             kBasicPart | kOperations1Bit | kOpInfoBackBit));
    texts.rows.push_back(Row("A-M Info", &b[kAccText], &b[kAmInfoBack], kTextAndBack,
                             kBasicPart | kAccTextBit | kAmInfoBackBit));
    texts.rows.push_back(
        Row("Acc", &b[kAccText], &b[kResultBack], kTextAndBack, kBasicPart | kAccTextBit | kResultBackBit));
    texts.rows.push_back(
        Row("Mem", &b[kMemText], &b[kResultBack], kTextAndBack, kBasicPart | kMemTextBit | kResultBackBit));

    std::vector<ColorGroup> groups;
    groups.push_back(texts);
    if (!classic)
        return groups;

    groups.push_back(ColorGroup{
        "Basic Buttons",
        {Row("Memory", &b[kMemoryKeysText], nullptr, kKeyText, kBasicPart | kMemoryKeysBit),
         Row("Digits", &b[kDigitKeysText], nullptr, kKeyText, kBasicPart | kDigitKeysBit),
         Row("Operations 1", &b[kOperations1Text], nullptr, kKeyText, kBasicPart | kOperations1Bit),
         Row("Operations 2", &b[kOperations2Text], nullptr, kKeyText, kBasicPart | kOperations2Bit),
         Row("Clear Operations", &b[kClearKeysText], nullptr, kKeyText, kBasicPart | kClearKeysBit),
         Row("Extension Button", &b[kExtensionKeyText], nullptr, kKeyText, kBasicPart | kExtensionKeyBit)}});
    groups.push_back(ColorGroup{
        "Extended Buttons",
        {Row("Constants", &x[kConstantsText], nullptr, kKeyText, kExtendedPart | kConstantsBit),
         Row("Hex Digits", &x[kHexDigitsText], nullptr, kKeyText, kExtendedPart | kHexDigitsBit),
         Row("Operations 3", &x[kOperations3Text], nullptr, kKeyText, kExtendedPart | kOperations3Bit),
         Row("Swap Button", &x[kSwapKeyText], nullptr, kKeyText, kExtendedPart | kSwapKeyBit),
         Row("Question Button", &x[kQuestionKeyText], nullptr, kKeyText, kExtendedPart | kQuestionKeyBit)}});
    return groups;
}
