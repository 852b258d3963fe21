// Which control takes which colour for a repaint mask, the In Memory tint, and the table of
// colour categories.
#include <gtest/gtest.h>

#include <algorithm>

#include "color_categories.h"
#include "color_math.h"
#include "color_plan.h"
#include "control_ids.h"
#include "distinct_scheme.h"
#include "high_contrast.h"

namespace {

const SystemColors kSystem{0xFFFFFF, 0xC0C0C0};

// The last colour a plan gives a control, or 0xFFFFFFFF when it gives none.
Color Last(const std::vector<ColorTarget>& plan, int id, bool background)
{
    Color found = 0xFFFFFFFFu;
    for (const ColorTarget& t : plan)
        if (t.id == id && t.background == background)
            found = t.color;
    return found;
}

constexpr Color kNone = 0xFFFFFFFFu;

}  // namespace

TEST(ColorPlan, EverythingTakesItsColourWithTheAccumulatorActive)
{
    const ColorScheme s = DistinctScheme();
    const auto plan =
        PlanColors(s, kAllColors, ColorContext{kSystem, 0, IDC_KEY_EQUALS, 1, false, Edition::Classic});
    EXPECT_EQ(Last(plan, kDialogBackground, true), s.crBasicColors[kDialogBack]);
    EXPECT_EQ(Last(plan, IDC_KEY_DIGIT0 + 5, true), s.crBasicColors[kKeyBack]);
    EXPECT_EQ(Last(plan, IDC_PANEL_CURRENT, false), s.crBasicColors[kEnterText]);
    EXPECT_EQ(Last(plan, IDC_PANEL_CURRENT, true), s.crBasicColors[kEnterBack]);
    EXPECT_EQ(Last(plan, IDC_PANEL_INTEGER, true), s.crBasicColors[kEnterBack]);
    EXPECT_EQ(Last(plan, IDC_PANEL_RESULT, false), s.crBasicColors[kAccText]);
    EXPECT_EQ(Last(plan, IDC_PANEL_UP_LABEL, true), s.crBasicColors[kAmInfoBack]);
    EXPECT_EQ(Last(plan, IDC_PANEL_OTHER, false), s.crBasicColors[kMemText]);  // shows the other register
    EXPECT_EQ(Last(plan, IDC_PANEL_OTHER, true), s.crBasicColors[kResultBack]);
    EXPECT_EQ(Last(plan, IDC_PANEL_OTHER_LABEL, true), s.crBasicColors[kAmInfoBack]);
    EXPECT_EQ(Last(plan, IDC_PANEL_LAST_OP, true), s.crBasicColors[kOperationInfoBack]);
    EXPECT_EQ(Last(plan, IDC_KEY_ACC, false), s.crBasicColors[kAccText]);
    EXPECT_EQ(Last(plan, IDC_KEY_MEM, false), s.crBasicColors[kMemText]);
    EXPECT_EQ(Last(plan, IDC_KEY_EQUALS, false), s.crBasicColors[kOperations1Text]);
    EXPECT_EQ(Last(plan, IDC_KEY_SQRT, false), s.crBasicColors[kOperations2Text]);
    EXPECT_EQ(Last(plan, IDC_KEY_SIGN, false), s.crBasicColors[kDigitKeysText]);
    EXPECT_EQ(Last(plan, IDC_KEY_MC, false), s.crBasicColors[kMemoryKeysText]);
    EXPECT_EQ(Last(plan, IDC_KEY_BACK, false), s.crBasicColors[kClearKeysText]);
    EXPECT_EQ(Last(plan, IDC_KEY_VIEW, false), s.crBasicColors[kExtensionKeyText]);
    EXPECT_EQ(Last(plan, IDC_KEY_PI, false), s.crExtendedColors[kConstantsText]);
    EXPECT_EQ(Last(plan, IDC_KEY_HEX_F, false), s.crExtendedColors[kHexDigitsText]);
    EXPECT_EQ(Last(plan, IDC_KEY_ATAN, false), s.crExtendedColors[kOperations3Text]);
    EXPECT_EQ(Last(plan, IDC_KEY_SWAP, false), s.crExtendedColors[kSwapKeyText]);
    EXPECT_EQ(Last(plan, IDC_KEY_TIPS, false), s.crExtendedColors[kQuestionKeyText]);
    // The extended step runs last, whatever the last operation was.
    EXPECT_EQ(Last(plan, IDC_PANEL_LAST_OP, false), s.crExtendedColors[kOperations3Text]);
}

TEST(ColorPlan, RegisterColoursFollowTheActiveOperand)
{
    const ColorScheme s = DistinctScheme();
    const ColorContext memory{kSystem, 1, IDC_KEY_EQUALS, 1, false, Edition::Classic};
    const auto acc = PlanColors(s, kBasicPart | 0x20, memory);
    EXPECT_EQ(Last(acc, IDC_PANEL_RESULT, false), kNone);  // the accumulator is not in the up window
    EXPECT_EQ(Last(acc, IDC_PANEL_OTHER, false), s.crBasicColors[kAccText]);
    EXPECT_EQ(Last(acc, IDC_PANEL_OTHER_LABEL, false), s.crBasicColors[kAccText]);
    const auto mem = PlanColors(s, kBasicPart | 0x40, memory);
    EXPECT_EQ(Last(mem, IDC_PANEL_RESULT, false), s.crBasicColors[kMemText]);
    EXPECT_EQ(Last(mem, IDC_PANEL_UP_LABEL, false), s.crBasicColors[kMemText]);
    EXPECT_EQ(Last(mem, IDC_PANEL_OTHER, false), kNone);
}

TEST(ColorPlan, WithoutEitherPartBitNoTextOrKeyChanges)
{
    const ColorScheme s = DistinctScheme();
    const auto plan =
        PlanColors(s, 0x3FFFFFFF, ColorContext{kSystem, 0, IDC_KEY_EQUALS, 1, false, Edition::Classic});
    for (const ColorTarget& t : plan) {
        EXPECT_TRUE(t.background) << t.id;
        EXPECT_TRUE(t.id == IDC_PANEL_OTHER || t.id == IDC_PANEL_OTHER_LABEL || t.id == IDC_PANEL_LAST_OP)
            << t.id;
    }
    EXPECT_TRUE(PlanColors(s, 0, ColorContext{kSystem, 0, 2138, 1, false, Edition::Classic}).empty());
}

TEST(ColorPlan, SystemBackgroundsReplaceEveryBackgroundButNoText)
{
    ColorScheme s = DistinctScheme();
    s.bSystemBackgrounds = 1;
    const auto plan =
        PlanColors(s, kAllColors, ColorContext{kSystem, 0, IDC_KEY_EQUALS, 1, false, Edition::Classic});
    EXPECT_EQ(Last(plan, IDC_PANEL_CURRENT, true), kSystem.window);
    EXPECT_EQ(Last(plan, IDC_PANEL_RESULT, true), kSystem.window);
    EXPECT_EQ(Last(plan, IDC_PANEL_OTHER, true), kSystem.window);
    EXPECT_EQ(Last(plan, IDC_PANEL_UP_LABEL, true), kSystem.buttonFace);
    EXPECT_EQ(Last(plan, IDC_PANEL_LAST_OP, true), kSystem.buttonFace);
    EXPECT_EQ(Last(plan, IDC_KEY_EQUALS, true), kSystem.buttonFace);
    EXPECT_EQ(Last(plan, IDC_PANEL_CURRENT, false), s.crBasicColors[kEnterText]);
}

TEST(ColorPlan, InMemoryModeLightensThePanelBackgrounds)
{
    const ColorScheme s = DistinctScheme();
    const auto plan =
        PlanPanelBacks(s, kAllColors, ColorContext{kSystem, 0, 2138, 1, true, Edition::Classic});
    const Color once = BlendColor(s.crBasicColors[kAmInfoBack], 0xFFFFFF, 1, 3);
    EXPECT_EQ(Last(plan, IDC_PANEL_OTHER_LABEL, true), once);
    EXPECT_EQ(Last(plan, IDC_PANEL_OTHER, true), BlendColor(once, 0xFFFFFF, 1, 3));
    EXPECT_EQ(Last(plan, IDC_PANEL_LAST_OP, true),
              BlendColor(s.crBasicColors[kOperationInfoBack], 0xFFFFFF, 1, 2));

    const auto off =
        PlanPanelBacks(s, kAllColors, ColorContext{kSystem, 0, 2138, 1, false, Edition::Classic});
    EXPECT_EQ(Last(off, IDC_PANEL_OTHER_LABEL, true), s.crBasicColors[kAmInfoBack]);
    EXPECT_EQ(Last(off, IDC_PANEL_OTHER, true), s.crBasicColors[kResultBack]);
}

TEST(ColorPlan, TheOperationPanelTakesItsOperationsFamilyColour)
{
    const ColorScheme s = DistinctScheme();
    EXPECT_EQ(LastOpColor(s, IDC_KEY_ADD), s.crBasicColors[kOperations1Text]);
    EXPECT_EQ(LastOpColor(s, CALC_OP_NONE), s.crBasicColors[kOperations1Text]);
    EXPECT_EQ(LastOpColor(s, IDC_KEY_SQRT), s.crBasicColors[kOperations2Text]);
    EXPECT_EQ(LastOpColor(s, IDC_KEY_SIN), s.crExtendedColors[kOperations3Text]);

    const auto pending = PlanColors(s, kBasicPart | 0x0600, ColorContext{kSystem, 0, IDC_KEY_SQRT, 1, false});
    EXPECT_EQ(Last(pending, IDC_PANEL_LAST_OP, false), s.crBasicColors[kOperations2Text]);
}

TEST(ColorPlan, TheStyledEditionColoursNoKeys)
{
    const ColorScheme s = DistinctScheme();
    const auto plan =
        PlanColors(s, kAllColors, ColorContext{kSystem, 0, IDC_KEY_EQUALS, 1, false, Edition::Styled});
    for (const ColorTarget& t : plan)
        EXPECT_TRUE(t.id == kDialogBackground || (t.id >= 2010 && t.id <= 2013) || t.id >= 2250) << t.id;
    EXPECT_EQ(Last(plan, IDC_PANEL_CURRENT, true), s.crBasicColors[kEnterBack]);
}

TEST(ColorCategories, ThreeGroupsWhoseRowsShareTheSchemesSlots)
{
    ColorScheme s = DistinctScheme();
    std::vector<ColorGroup> groups = BuildColorGroups(s, Edition::Classic);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_STREQ(groups[0].name, "Text & Back");
    EXPECT_STREQ(groups[1].name, "Basic Buttons");
    EXPECT_STREQ(groups[2].name, "Extended Buttons");
    ASSERT_EQ(groups[0].rows.size(), 8u);
    EXPECT_EQ(groups[1].rows.size(), 6u);
    EXPECT_EQ(groups[2].rows.size(), 5u);

    const ColorCategory& result = groups[0].rows[3];
    const ColorCategory& acc = groups[0].rows[6];
    EXPECT_STREQ(result.name, "Result Window");
    EXPECT_STREQ(acc.name, "Acc");
    EXPECT_EQ(result.textSlot, acc.textSlot);
    EXPECT_EQ(result.backSlot, acc.backSlot);
    EXPECT_EQ(result.repaintMask, 0x80000022u);
    EXPECT_EQ(result.kind, 0x03u);

    *groups[0].rows[5].textSlot = 0x123456;  // "A-M Info" edits the accumulator text colour
    EXPECT_EQ(s.crBasicColors[kAccText], 0x123456u);
    EXPECT_EQ(groups[0].rows[0].kind, 0x82u);
    EXPECT_EQ(groups[0].rows[0].textSlot, nullptr);
    EXPECT_EQ(groups[2].rows[4].kind, 0x45u);
    EXPECT_EQ(groups[2].rows[4].textSlot, &s.crExtendedColors[kQuestionKeyText]);
    EXPECT_EQ(groups[2].rows[4].repaintMask, 0x40000010u);
}

TEST(ColorCategories, TheStyledEditionHasTheTextAndBackGroupOnly)
{
    ColorScheme s = DistinctScheme();
    const std::vector<ColorGroup> groups = BuildColorGroups(s, Edition::Styled);
    ASSERT_EQ(groups.size(), 1u);
    const char* const names[] = {
        "Dialog Background", "Enter Window", "Result Window", "Operation Info", "A-M Info", "Acc", "Mem"};
    ASSERT_EQ(groups[0].rows.size(), 7u);
    for (size_t i = 0; i < 7; ++i)
        EXPECT_STREQ(groups[0].rows[i].name, names[i]);
}

TEST(HighContrast, EveryPlannedColourBecomesTheSystemColourOfItsRole)
{
    const HighContrastColors system{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060};
    const ColorScheme s = DistinctScheme();
    for (Edition edition : {Edition::Classic, Edition::Styled}) {
        for (int activeReg : {0, 1}) {
            std::vector<ColorTarget> plan =
                PlanColors(s, kAllColors, ColorContext{kSystem, activeReg, IDC_KEY_EQUALS, 1, true, edition});
            ShowInHighContrast(plan, system);
            ASSERT_FALSE(plan.empty());
            const struct {
                int id;
                bool background;
                Color expected;
            } kRoles[] = {
                {kDialogBackground, true, system.buttonFace},
                {IDC_PANEL_RESULT, true, system.highlight},
                {IDC_PANEL_RESULT, false, system.highlightText},
                {IDC_PANEL_UP_LABEL, true, system.highlight},
                {IDC_PANEL_CURRENT, true, system.window},
                {IDC_PANEL_CURRENT, false, system.windowText},
                {IDC_PANEL_OTHER, true, system.window},
                {IDC_PANEL_OTHER_LABEL, true, system.window},
                {IDC_PANEL_LAST_OP, true, system.window},
                {IDC_PANEL_INTEGER, false, system.windowText},
            };
            for (const auto& r : kRoles)
                EXPECT_EQ(Last(plan, r.id, r.background), r.expected) << r.id;
            const bool classic = edition == Edition::Classic;
            EXPECT_EQ(Last(plan, IDC_KEY_DIGIT0, true), classic ? system.buttonFace : kNone);
            EXPECT_EQ(Last(plan, IDC_KEY_ACC, false), classic ? system.buttonText : kNone);
            EXPECT_EQ(Last(plan, IDC_KEY_PI, false), classic ? system.buttonText : kNone);
        }
    }
}
