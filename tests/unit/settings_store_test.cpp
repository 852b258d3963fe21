// The calculator's settings in the registry: every value's name, type, size and bytes, the
// orders, and whatever a user-editable registry may hold.
#include <cmath>
#include <cstring>
#include <limits>

#include "registry_fixture.h"
#include "registry_values.h"
#include "sample_records.h"
#include "settings_store.h"

namespace {

const char* const kClassicKey = "Software\\Brimwold\\Tallyra\\Classic";
const char* const kStyledKey = "Software\\Brimwold\\Tallyra\\Styled";

std::vector<uint8_t> Doubles(std::initializer_list<double> values)
{
    std::vector<uint8_t> bytes(values.size() * 8);
    size_t i = 0;
    for (double v : values)
        PutDouble(&bytes[8 * i++], v);
    return bytes;
}

}  // namespace

using CalcStore = RegistryTest;
INSTANTIATE_TEST_SUITE_P(Registries, CalcStore, testing::ValuesIn(TestRegistryKinds()));

TEST_P(CalcStore, FirstStartKeepsTheDefaultsAndTheFirstSaveCountsOne)
{
    Record r;
    r.Load(registry->Registry());
    const Record fresh;
    EXPECT_EQ(std::memcmp(r.settings.colors.crBasicColors, fresh.settings.colors.crBasicColors, 60), 0);
    EXPECT_EQ(r.settings.bSoftButtons, 1);
    EXPECT_EQ(r.settings.bShowTips, 0);
    EXPECT_EQ(r.settings.bExtendedView, 0);
    EXPECT_EQ(r.settings.nPosX, -1);
    EXPECT_EQ(r.settings.nPosY, -1);
    EXPECT_FALSE(r.state.bAfter);
    EXPECT_EQ(r.state.nScale, 8);
    EXPECT_EQ(r.state.nAfter, 2);
    EXPECT_EQ(r.state.nLastOp, 1);
    EXPECT_EQ(r.state.dUp, 0.0);

    r.Save(registry->Registry());
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(registry->GetValue(kClassicKey, "Run Q-ty", type, bytes));
    EXPECT_EQ(type, uint32_t(kRegDword));
    EXPECT_EQ(bytes, Words({1}));
}

TEST_P(CalcStore, WritesEveryValueWithItsTypeSizeAndBytes)
{
    Record r = Unusual();
    r.Save(registry->Registry());

    struct Expected {
        const char* name;
        uint32_t type;
        std::vector<uint8_t> bytes;
    };
    std::vector<uint8_t> basic, extended, custom;
    for (Color c : r.settings.colors.crBasicColors)
        basic.insert(basic.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), uint8_t(c >> 24)});
    for (Color c : r.settings.colors.crExtendedColors)
        extended.insert(extended.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), uint8_t(c >> 24)});
    for (Color c : r.shared.crCustomColors)
        custom.insert(custom.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), uint8_t(c >> 24)});
    const std::vector<Expected> expected = {
        {"Basic Colors", kRegBinary, basic},
        {"Extended Colors", kRegBinary, extended},
        {"Custom Colors", kRegBinary, custom},
        {"Extended View", kRegBinary, Bytes({1})},
        {"System Backgrounds", kRegBinary, Bytes({1})},
        {"Exit by Escape", kRegBinary, Bytes({0})},
        {"Clear by Escape", kRegBinary, Bytes({1})},
        {"Show Tips", kRegBinary, Bytes({1})},
        {"Soft Btns", kRegBinary, Bytes({0})},
        {"In Memory", kRegBinary, Bytes({1})},
        {"Show Precision", kRegBinary, Bytes({1})},
        {"Run Multiple", kRegBinary, Bytes({1})},
        {"Big Font", kRegBinary, Bytes({1})},
        {"Bold Result", kRegBinary, Bytes({1})},
        {"Bold Button", kRegBinary, Bytes({1})},
        {"Comma Point", kRegBinary, Bytes({1})},
        {"bAfter", kRegBinary, Bytes({1})},
        {"On Top", kRegBinary, Bytes({1})},
        {"x,y", kRegBinary, Bytes({0xEC, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0})},
        {"Last Values", kRegBinary, Doubles({1.5, -2.25, 1e300, 0.1})},
        {"Context", kRegBinary, Words({1, 1, 3, 1, 2204})},
        {"Run Q-ty", kRegDword, Words({42})},
        {"nScale", kRegDword, Words({12})},
        {"nAfter", kRegDword, Words({5})},
        {"Show Tape", kRegBinary, Bytes({1})},
        {"Tape Place", kRegBinary, Words({10, 20, 300, 400})},
        {"Forget Tape", kRegBinary, Bytes({0})},
        {"Tape", kRegString, Text("12 + 5 = 17\r\nMC")},
    };
    for (const Expected& e : expected) {
        uint32_t type = 0;
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(registry->GetValue(kClassicKey, e.name, type, bytes)) << e.name;
        EXPECT_EQ(type, e.type) << e.name;
        EXPECT_EQ(bytes, e.bytes) << e.name;
    }

    const std::vector<std::string> order = registry->WriteOrder(kClassicKey);
    if (!order.empty()) {
        ASSERT_EQ(order.size(), expected.size());
        for (size_t i = 0; i < order.size(); ++i)
            EXPECT_EQ(order[i], expected[i].name) << i;
    }
}

TEST_P(CalcStore, ASavedRecordReadsBackFieldForField)
{
    for (Edition edition : {Edition::Classic, Edition::Styled}) {
        Record saved = Unusual(edition);
        saved.Save(registry->Registry());
        Record loaded(edition);
        loaded.Load(registry->Registry());
        EXPECT_EQ(
            std::memcmp(&loaded.settings.colors.crBasicColors, &saved.settings.colors.crBasicColors, 60), 0);
        EXPECT_EQ(std::memcmp(&loaded.settings.colors.crExtendedColors,
                              &saved.settings.colors.crExtendedColors, 20),
                  0);
        EXPECT_EQ(std::memcmp(loaded.shared.crCustomColors, saved.shared.crCustomColors, 64), 0);
        EXPECT_EQ(loaded.settings.colors.bSystemBackgrounds, 1);
        EXPECT_EQ(std::memcmp(&loaded.settings.engine, &saved.settings.engine, sizeof(EngineOptions)), 0);
        EXPECT_EQ(loaded.settings.bExtendedView, 1);
        EXPECT_EQ(loaded.settings.bShowTips, 1);
        EXPECT_EQ(loaded.settings.bShowPrecision, 1);
        EXPECT_EQ(loaded.settings.bRunMultiple, 1);
        EXPECT_EQ(loaded.settings.bBigFont, 1);
        EXPECT_EQ(loaded.settings.bBoldResult, 1);
        EXPECT_EQ(loaded.settings.bOnTop, 1);
        EXPECT_EQ(loaded.settings.nPosX, -20);
        EXPECT_EQ(loaded.settings.nPosY, 300);
        EXPECT_TRUE(loaded.state.bAfter);
        EXPECT_EQ(loaded.state.nScale, 12);
        EXPECT_EQ(loaded.state.nAfter, 5);
        EXPECT_EQ(loaded.state.dUp, 1.5);
        EXPECT_EQ(loaded.state.dCurrent, -2.25);
        EXPECT_EQ(loaded.state.dAccumulator, 1e300);
        EXPECT_EQ(loaded.state.dMemory, 0.1);
        EXPECT_EQ(loaded.state.nActiveReg, 1);
        EXPECT_EQ(loaded.state.nXWindow, 1);
        EXPECT_EQ(loaded.state.nBase, 3);
        EXPECT_EQ(loaded.state.nAngle, 1);
        EXPECT_EQ(loaded.state.nLastOp, IDC_KEY_POWXY);
        EXPECT_EQ(loaded.shared.nRunQty, saved.shared.nRunQty);
        EXPECT_EQ(loaded.settings.bShowTape, 1);
        EXPECT_EQ(std::vector<int>({loaded.settings.nTapeX, loaded.settings.nTapeY,
                                    loaded.settings.nTapeWidth, loaded.settings.nTapeHeight}),
                  std::vector<int>({10, 20, 300, 400}));
        EXPECT_EQ(loaded.settings.tape.Lines(), saved.settings.tape.Lines());
        if (edition == Edition::Classic) {
            EXPECT_EQ(loaded.settings.bSoftButtons, 0);
            EXPECT_EQ(loaded.settings.bBoldButton, 1);
        }
    }
}

TEST_P(CalcStore, TheStyledEditionHasItsOwnKeyAndNoKeyStyleValues)
{
    Record classic = Unusual();
    classic.Save(registry->Registry());
    Record styled(Edition::Styled);
    styled.Load(registry->Registry());
    EXPECT_EQ(styled.settings.colors.crBasicColors[kEnterText], 0xC00000u);  // not the Classic colours

    registry->SetValue(kStyledKey, "Soft Btns", kRegBinary, Bytes({0}));
    registry->SetValue(kStyledKey, "Bold Button", kRegBinary, Bytes({1}));
    styled.Load(registry->Registry());
    EXPECT_EQ(styled.settings.bSoftButtons, 1);
    EXPECT_EQ(styled.settings.bBoldButton, 0);

    registry->DeleteValue(kStyledKey, "Soft Btns");
    registry->DeleteValue(kStyledKey, "Bold Button");
    styled.Save(registry->Registry());
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(registry->GetValue(kStyledKey, "Soft Btns", type, bytes));
    EXPECT_FALSE(registry->GetValue(kStyledKey, "Bold Button", type, bytes));
    EXPECT_TRUE(registry->GetValue(kStyledKey, "Bold Result", type, bytes));
}

TEST_P(CalcStore, MissingOrLongerValuesKeepTheFieldAndShorterOnesReplaceLeadingBytes)
{
    Record saved = Unusual();
    saved.Save(registry->Registry());
    registry->DeleteValue(kClassicKey, "Big Font");
    registry->SetValue(kClassicKey, "On Top", kRegBinary, Bytes({1, 1}));  // one byte long
    registry->SetValue(kClassicKey, "x,y", kRegBinary, Bytes({5, 0, 0, 0, 6, 0, 0, 0, 7}));
    registry->SetValue(kClassicKey, "nScale", kRegBinary, Bytes({0x0C}));  // one byte short
    registry->SetValue(kClassicKey, "Basic Colors", kRegBinary, Bytes({0x11, 0x22, 0x33, 0x00, 0x44}));

    Record r;
    r.state.nScale = 0x0100;  // the byte above the one stored survives
    r.Load(registry->Registry());
    EXPECT_EQ(r.settings.bBigFont, 0);
    EXPECT_EQ(r.settings.bOnTop, 0);
    EXPECT_EQ(r.settings.nPosX, -1);
    EXPECT_EQ(r.state.nScale, 17);  // 0x010C, clamped
    EXPECT_EQ(r.settings.colors.crBasicColors[0], 0x332211u);
    EXPECT_EQ(r.settings.colors.crBasicColors[1], (kSystem.window & 0xFFFFFF00u) | 0x44u);
    EXPECT_EQ(r.settings.colors.crBasicColors[2], kSystem.buttonFace);

    Record fresh;
    fresh.state.nScale = 8;
    fresh.Load(registry->Registry());
    EXPECT_EQ(fresh.state.nScale, 12);
}

TEST_P(CalcStore, FlagsOfAnyNonZeroByteReadAsOnAndHoldOne)
{
    registry->SetValue(kClassicKey, "Big Font", kRegBinary, Bytes({2}));
    registry->SetValue(kClassicKey, "Comma Point", kRegBinary, Bytes({255}));
    registry->SetValue(kClassicKey, "Show Tips", kRegBinary, Bytes({0x80}));
    registry->SetValue(kClassicKey, "bAfter", kRegDword, Bytes({7}));  // another type, right size
    registry->SetValue(kClassicKey, "Soft Btns", kRegBinary, Bytes({0}));
    Record r;
    r.Load(registry->Registry());
    EXPECT_EQ(r.settings.bBigFont, 1);
    EXPECT_EQ(r.settings.engine.bCommaPoint, 1);
    EXPECT_EQ(r.settings.bShowTips, 1);
    EXPECT_TRUE(r.state.bAfter);
    EXPECT_EQ(r.settings.bSoftButtons, 0);
    EXPECT_EQ(ReadBigFontFlag(registry->Registry(), kClassicKey), 1);
}

TEST_P(CalcStore, OutOfRangeNumbersAreBroughtIntoRange)
{
    registry->SetValue(kClassicKey, "nScale", kRegDword, Words({0xFFFFFFFF}));
    registry->SetValue(kClassicKey, "nAfter", kRegDword, Words({1000}));
    registry->SetValue(kClassicKey, "Context", kRegBinary, Words({2, 0x80000000u, 4, 7, 2150}));
    Record r;
    r.Load(registry->Registry());
    EXPECT_EQ(r.state.nScale, 4);
    EXPECT_EQ(r.state.nAfter, 8);
    EXPECT_EQ(r.state.nActiveReg, 0);
    EXPECT_EQ(r.state.nXWindow, 0);
    EXPECT_EQ(r.state.nBase, 0);
    EXPECT_EQ(r.state.nAngle, 0);
    EXPECT_EQ(r.state.nLastOp, CALC_OP_NONE);

    registry->SetValue(kStyledKey, "nScale", kRegDword, Words({17}));
    Record styled(Edition::Styled);
    styled.Load(registry->Registry());
    EXPECT_EQ(styled.state.nScale, 16);
}

TEST_P(CalcStore, BlocksAreTakenWholeOrShorterWithZerosAfter)
{
    registry->SetValue(kClassicKey, "Context", kRegBinary, Words({1, 1, 2}));
    registry->SetValue(kClassicKey, "Last Values", kRegBinary, Doubles({7.0, 8.0}));
    Record r;
    r.state.nLastOp = IDC_KEY_ADD;
    r.state.dMemory = 9.0;
    r.Load(registry->Registry());
    EXPECT_EQ(r.state.nActiveReg, 1);
    EXPECT_EQ(r.state.nBase, 2);
    EXPECT_EQ(r.state.nAngle, 0);
    EXPECT_EQ(r.state.nLastOp, 0);  // the missing entry reads as 0
    EXPECT_EQ(r.state.dUp, 7.0);
    EXPECT_EQ(r.state.dCurrent, 8.0);
    EXPECT_EQ(r.state.dMemory, 0.0);

    std::vector<uint8_t> longer = Doubles({1.0, 2.0, 3.0, 4.0});
    longer.push_back(0);
    registry->SetValue(kClassicKey, "Last Values", kRegBinary, longer);
    std::vector<uint8_t> longContext = Words({1, 1, 1, 1, 2133, 0});
    registry->SetValue(kClassicKey, "Context", kRegBinary, longContext);
    Record whole;
    whole.Load(registry->Registry());
    EXPECT_EQ(whole.state.dUp, 0.0);
    EXPECT_EQ(whole.state.nActiveReg, 0);
    EXPECT_EQ(whole.state.nLastOp, 1);
}

TEST_P(CalcStore, NonFiniteNumbersLoadAsStored)
{
    const double inf = std::numeric_limits<double>::infinity();
    registry->SetValue(kClassicKey, "Last Values", kRegBinary, Doubles({inf, std::nan(""), -inf, 1.0}));
    Record r;
    r.Load(registry->Registry());
    EXPECT_TRUE(std::isinf(r.state.dUp));
    EXPECT_TRUE(std::isnan(r.state.dCurrent));
    EXPECT_TRUE(std::isinf(r.state.dAccumulator));
}

TEST_P(CalcStore, ColoursKeepTheirStoredTopByte)
{
    registry->SetValue(kClassicKey, "Extended Colors", kRegBinary, Words({0xFF0000FFu, 1, 2, 3, 4}));
    Record r;
    r.Load(registry->Registry());
    EXPECT_EQ(r.settings.colors.crExtendedColors[0], 0xFF0000FFu);
    EXPECT_EQ(UsableColor(r.settings.colors.crExtendedColors[0]), 0x0000FFu);
    r.Save(registry->Registry());
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(registry->GetValue(kClassicKey, "Extended Colors", type, bytes));
    EXPECT_EQ(bytes, Words({0xFF0000FFu, 1, 2, 3, 4}));
}

TEST_P(CalcStore, TheSaveCounterWraps)
{
    registry->SetValue(kClassicKey, "Run Q-ty", kRegDword, Words({0xFFFFFFFFu}));
    Record r;
    r.Load(registry->Registry());
    r.Save(registry->Registry());
    r.Save(registry->Registry());
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(registry->GetValue(kClassicKey, "Run Q-ty", type, bytes));
    EXPECT_EQ(bytes, Words({1}));
}

TEST_P(CalcStore, AKeyThatCannotBeOpenedOrCreatedChangesNothing)
{
    Record saved = Unusual();
    saved.Save(registry->Registry());
    if (!registry->Refuse(true, true))
        GTEST_SKIP() << "this registry cannot be made to refuse";
    Record r;
    r.Load(registry->Registry());
    EXPECT_EQ(r.settings.bBigFont, 0);
    EXPECT_EQ(r.state.nScale, 8);
    r.shared.nRunQty = 5;
    r.Save(registry->Registry());
    EXPECT_EQ(r.shared.nRunQty, 5u);
    EXPECT_EQ(ReadBigFontFlag(registry->Registry(), kClassicKey), 0);
}

TEST_P(CalcStore, BigFontFlagOfAMissingKeyOrValueIsZero)
{
    EXPECT_EQ(ReadBigFontFlag(registry->Registry(), kClassicKey), 0);
    registry->SetValue(kClassicKey, "Other", kRegBinary, Bytes({1}));
    EXPECT_EQ(ReadBigFontFlag(registry->Registry(), kClassicKey), 0);
    registry->SetValue(kClassicKey, "Big Font", kRegBinary, Bytes({1}));
    EXPECT_EQ(ReadBigFontFlag(registry->Registry(), kClassicKey), 1);
    registry->SetValue(kClassicKey, "Big Font", kRegBinary, Bytes({1, 0}));  // too long: not read
    EXPECT_EQ(ReadBigFontFlag(registry->Registry(), kClassicKey), 0);
}

TEST_P(CalcStore, AForgottenTapeIsNotKeptAndAStoredOneIsRemoved)
{
    Record saved = Unusual(Edition::Classic);
    saved.Save(registry->Registry());  // the tape is stored
    saved.settings.bForgetTape = 1;
    saved.Save(registry->Registry());
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(registry->GetValue(kClassicKey, "Tape", type, bytes));
    ASSERT_TRUE(registry->GetValue(kClassicKey, "Forget Tape", type, bytes));
    EXPECT_EQ(bytes, Bytes({1}));

    // A tape a run left behind when it ended abruptly is not read either.
    Record kept = Unusual(Edition::Classic);
    kept.Save(registry->Registry());
    registry->SetValue(kClassicKey, "Forget Tape", kRegBinary, Bytes({1}));
    Record loaded(Edition::Classic);
    loaded.Load(registry->Registry());
    EXPECT_EQ(loaded.settings.bForgetTape, 1);
    EXPECT_TRUE(loaded.settings.tape.Lines().empty());
}
