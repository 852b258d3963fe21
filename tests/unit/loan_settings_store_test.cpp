// The loan calculator's settings in the registry.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "loan_settings.h"
#include "registry_fixture.h"
#include "sample_records.h"

namespace {

const char* const kLoanClassicKey = "Software\\Brimwold\\Loan Calculator\\Classic";
const char* const kLoanStyledKey = "Software\\Brimwold\\Loan Calculator\\Styled";
constexpr Color kFace = 0xC0C0C0;

LoanSettings Defaults()
{
    LoanSettings s;
    SetDefaultLoanColors(s, kFace);
    return s;
}

}  // namespace

using LoanStore = RegistryTest;
INSTANTIATE_TEST_SUITE_P(Registries, LoanStore, testing::ValuesIn(TestRegistryKinds()));

TEST_P(LoanStore, AnEmptyKeyGivesExactlyTheDefaults)
{
    registry->SetValue(kLoanClassicKey, "Unrelated", kRegBinary, Bytes({1}));
    LoanSettings s = Defaults();
    LoadLoanSettings(registry->Registry(), Edition::Classic, s);
    EXPECT_EQ(s.bExitByEscape, 1);
    EXPECT_EQ(s.bSoftButtons, 1);
    EXPECT_EQ(s.bShowTips + s.bClearByEscape + s.bSystemBackgrounds + s.bBigFont + s.bBoldResult +
                  s.bBoldButton + s.bCommaPoint + s.bOnTop + s.bRunMultiple,
              0);
    EXPECT_EQ(s.nPosX, -1);
    EXPECT_EQ(s.nPosY, -1);
    EXPECT_EQ(s.strAmount, "1000");
    EXPECT_EQ(s.strPercent, "10%");
    EXPECT_EQ(s.strMonths, "12");
    const Color expected[kLoanColorCount] = {0xC00000, 0x0000C0, 0xFFFFFF, 0xFFFFFF, 0xC00000,
                                             0x0000C0, 0x0000C0, kFace,    kFace};
    EXPECT_EQ(std::memcmp(s.crLoanColors, expected, sizeof expected), 0);
}

TEST_P(LoanStore, WritesEveryValueInOrderWithItsTypeAndBytes)
{
    const LoanSettings s = UnusualLoan();
    SaveLoanSettings(registry->Registry(), Edition::Classic, s);
    struct Expected {
        const char* name;
        uint32_t type;
        std::vector<uint8_t> bytes;
    };
    const std::vector<Expected> expected = {
        {"Colors", kRegBinary,
         Words({0x0A0B0C, 0x0A0B0D, 0x0A0B0E, 0x0A0B0F, 0x0A0B10, 0x0A0B11, 0x0A0B12, 0x0A0B13, 0x0A0B14})},
        {"System Backgrounds", kRegBinary, Bytes({1})},
        {"Exit by Escape", kRegBinary, Bytes({0})},
        {"Clear by Escape", kRegBinary, Bytes({1})},
        {"Show Tips", kRegBinary, Bytes({1})},
        {"Soft Btns", kRegBinary, Bytes({0})},
        {"Run Multiple", kRegBinary, Bytes({1})},
        {"Big Font", kRegBinary, Bytes({1})},
        {"Bold Result", kRegBinary, Bytes({1})},
        {"Bold Button", kRegBinary, Bytes({1})},
        {"Comma Point", kRegBinary, Bytes({1})},
        {"On Top", kRegBinary, Bytes({1})},
        {"x,y", kRegBinary, Words({12, 0xFFFFFFFDu})},
        {"Amount", kRegString, Text("250000,5")},
        {"Months", kRegString, Text("360")},
        {"Percent", kRegString, Text("7,5%")},
    };
    for (const Expected& e : expected) {
        uint32_t type = 0;
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(registry->GetValue(kLoanClassicKey, e.name, type, bytes)) << e.name;
        EXPECT_EQ(type, e.type) << e.name;
        EXPECT_EQ(bytes, e.bytes) << e.name;
    }
    const std::vector<std::string> order = registry->WriteOrder(kLoanClassicKey);
    if (!order.empty()) {
        ASSERT_EQ(order.size(), expected.size());
        for (size_t i = 0; i < order.size(); ++i)
            EXPECT_EQ(order[i], expected[i].name) << i;
    }
}

TEST_P(LoanStore, ASavedRecordReadsBackFieldForField)
{
    for (Edition edition : {Edition::Classic, Edition::Styled}) {
        LoanSettings saved = UnusualLoan();
        if (edition == Edition::Styled) {
            saved.bSoftButtons = 1;  // not stored in this edition: keeps its default
            saved.bBoldButton = 0;
        }
        SaveLoanSettings(registry->Registry(), edition, saved);
        LoanSettings loaded = Defaults();
        LoadLoanSettings(registry->Registry(), edition, loaded);
        EXPECT_EQ(std::memcmp(loaded.crLoanColors, saved.crLoanColors, sizeof saved.crLoanColors), 0);
        EXPECT_EQ(loaded.bShowTips, saved.bShowTips);
        EXPECT_EQ(loaded.bExitByEscape, saved.bExitByEscape);
        EXPECT_EQ(loaded.bClearByEscape, saved.bClearByEscape);
        EXPECT_EQ(loaded.bSystemBackgrounds, saved.bSystemBackgrounds);
        EXPECT_EQ(loaded.bSoftButtons, saved.bSoftButtons);
        EXPECT_EQ(loaded.bBigFont, saved.bBigFont);
        EXPECT_EQ(loaded.bBoldResult, saved.bBoldResult);
        EXPECT_EQ(loaded.bBoldButton, saved.bBoldButton);
        EXPECT_EQ(loaded.bCommaPoint, saved.bCommaPoint);
        EXPECT_EQ(loaded.bOnTop, saved.bOnTop);
        EXPECT_EQ(loaded.bRunMultiple, saved.bRunMultiple);
        EXPECT_EQ(loaded.nPosX, saved.nPosX);
        EXPECT_EQ(loaded.nPosY, saved.nPosY);
        EXPECT_EQ(loaded.strAmount, saved.strAmount);
        EXPECT_EQ(loaded.strMonths, saved.strMonths);
        EXPECT_EQ(loaded.strPercent, saved.strPercent);
    }
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(registry->GetValue(kLoanStyledKey, "Soft Btns", type, bytes));
    EXPECT_FALSE(registry->GetValue(kLoanStyledKey, "Bold Button", type, bytes));
}

TEST_P(LoanStore, AShortColourTableReplacesOnlyTheFirstColours)
{
    registry->SetValue(kLoanClassicKey, "Colors", kRegBinary, Words({1, 2, 3, 4, 5}));
    LoanSettings s = Defaults();
    LoadLoanSettings(registry->Registry(), Edition::Classic, s);
    EXPECT_EQ(s.crLoanColors[4], 5u);
    EXPECT_EQ(s.crLoanColors[5], 0x0000C0u);
    EXPECT_EQ(s.crLoanColors[8], kFace);
}

TEST_P(LoanStore, TextsAreTakenOnlyWhenShorterThanSixtyFourBytes)
{
    registry->SetValue(kLoanClassicKey, "Amount", kRegString, Text(std::string(63, '9')));  // 64 with zero
    registry->SetValue(kLoanClassicKey, "Months", kRegString, Text(std::string(62, '1')));  // 63 with zero
    registry->SetValue(kLoanClassicKey, "Percent", kRegBinary, Bytes({'4', '%'}));          // no zero at all
    LoanSettings s = Defaults();
    LoadLoanSettings(registry->Registry(), Edition::Classic, s);
    EXPECT_EQ(s.strAmount, "1000");
    EXPECT_EQ(s.strMonths, std::string(62, '1'));
    EXPECT_EQ(s.strPercent, "4%");

    registry->SetValue(kLoanClassicKey, "Amount", kRegString, Bytes({'1', '2', 0, '3', 0}));
    LoadLoanSettings(registry->Registry(), Edition::Classic, s);
    EXPECT_EQ(s.strAmount, "12");
}

TEST_P(LoanStore, WhatIsReadIsReadAgainAfterTheNextSave)
{
    // 63 bytes without a zero would be saved as 64 with it, and refused at the next start.
    registry->SetValue(kLoanClassicKey, "Amount", kRegBinary, std::vector<uint8_t>(63, '5'));
    // A 62-character rate without "%" would become 63 characters with it.
    registry->SetValue(kLoanClassicKey, "Percent", kRegString, Text(std::string(62, '7')));
    LoanSettings s = Defaults();
    LoadLoanSettings(registry->Registry(), Edition::Classic, s);
    EXPECT_EQ(s.strAmount, "1000");
    EXPECT_EQ(s.strPercent, "10%");

    registry->SetValue(kLoanClassicKey, "Amount", kRegBinary, std::vector<uint8_t>(62, '5'));
    registry->SetValue(kLoanClassicKey, "Percent", kRegString, Text(std::string(61, '7')));
    LoadLoanSettings(registry->Registry(), Edition::Classic, s);
    EXPECT_EQ(s.strAmount, std::string(62, '5'));
    EXPECT_EQ(s.strPercent, std::string(61, '7') + "%");
    SaveLoanSettings(registry->Registry(), Edition::Classic, s);
    LoanSettings again = Defaults();
    LoadLoanSettings(registry->Registry(), Edition::Classic, again);
    EXPECT_EQ(again.strAmount, s.strAmount);
    EXPECT_EQ(again.strPercent, s.strPercent);
}

TEST_P(LoanStore, ARateWithoutItsPercentSignGetsOne)
{
    for (const char* stored : {"", "7.5", "%", "12%"}) {
        registry->SetValue(kLoanClassicKey, "Percent", kRegString, Text(stored));
        LoanSettings s = Defaults();
        LoadLoanSettings(registry->Registry(), Edition::Classic, s);
        ASSERT_FALSE(s.strPercent.empty()) << stored;
        EXPECT_EQ(s.strPercent.back(), '%') << stored;
    }
    registry->SetValue(kLoanClassicKey, "Percent", kRegString, Text("7.5"));
    LoanSettings s = Defaults();
    LoadLoanSettings(registry->Registry(), Edition::Classic, s);
    EXPECT_EQ(s.strPercent, "7.5%");
}

TEST_P(LoanStore, FlagsHoldZeroOrOne)
{
    registry->SetValue(kLoanClassicKey, "On Top", kRegBinary, Bytes({0xFF}));
    registry->SetValue(kLoanClassicKey, "Exit by Escape", kRegBinary, Bytes({0}));
    registry->SetValue(kLoanClassicKey, "Big Font", kRegBinary, Bytes({3}));
    LoanSettings s = Defaults();
    LoadLoanSettings(registry->Registry(), Edition::Classic, s);
    EXPECT_EQ(s.bOnTop, 1);
    EXPECT_EQ(s.bExitByEscape, 0);
    EXPECT_EQ(s.bBigFont, 1);
}

TEST_P(LoanStore, AKeyThatCannotBeCreatedGetsNothingWritten)
{
    if (!registry->Refuse(false, true))
        GTEST_SKIP() << "this registry cannot be made to refuse";
    SaveLoanSettings(registry->Registry(), Edition::Classic, UnusualLoan());
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(registry->GetValue(kLoanClassicKey, "Amount", type, bytes));
}

TEST(LoanColors, TheCalculatorHandsOverItsColoursAndSystemBackgrounds)
{
    ColorScheme calculator;
    for (size_t i = 0; i < kBasicColorCount; ++i)
        calculator.crBasicColors[i] = 0x100 + static_cast<Color>(i);
    calculator.bSystemBackgrounds = 1;
    LoanSettings s = Defaults();
    CopyCalculatorColors(calculator, s);
    const Color expected[kLoanColorCount] = {0x104, 0x105, 0x100, 0x101, 0x108, 0x109, 0x10A, 0x10D, 0x10E};
    EXPECT_EQ(std::memcmp(s.crLoanColors, expected, sizeof expected), 0);
    EXPECT_EQ(s.bSystemBackgrounds, 1);
}

TEST(LoanColours, HighContrastShowsEveryRoleInItsSystemColour)
{
    const HighContrastColors system{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060};
    LoanSettings settings;
    SetDefaultLoanColors(settings, 0xC0C0C0);
    Color shown[kLoanColorCount];
    std::copy(std::begin(settings.crLoanColors), std::end(settings.crLoanColors), std::begin(shown));
    ShowLoanInHighContrast(shown, system);
    const Color expected[kLoanColorCount] = {system.windowText, system.windowText, system.window,
                                             system.window,     system.buttonText, system.buttonText,
                                             system.buttonText, system.buttonFace, system.buttonFace};
    for (size_t i = 0; i < kLoanColorCount; ++i)
        EXPECT_EQ(shown[i], expected[i]) << "colour " << i;
    EXPECT_EQ(settings.crLoanColors[kLoanDialogBack], 0xC0C0C0u);  // the stored ones untouched
}
