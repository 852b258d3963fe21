// The colours dialog's decisions: what selecting a category shows and edits, where a chosen
// colour is stored, what the calculator window repaints after a change, which category each
// group comes back to, and where the dialog's right edge goes when it folds.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "color_categories.h"
#include "color_dialog_rules.h"
#include "color_plan.h"
#include "distinct_scheme.h"

namespace {

const PreviewSystemColors kSystem{0xF0F0F0, 0xC0C0C0, 0x101010};

const ColorCategory& Row(const std::vector<ColorGroup>& groups, const std::string& name)
{
    for (const ColorGroup& group : groups)
        for (const ColorCategory& row : group.rows)
            if (name == row.name)
                return row;
    throw std::runtime_error("no category " + name);
}

ColorCategory& Row(std::vector<ColorGroup>& groups, const std::string& name)
{
    return const_cast<ColorCategory&>(Row(static_cast<const std::vector<ColorGroup>&>(groups), name));
}

// Previews as the dialog starts with them: nothing edited yet.
ColorPreviews Start()
{
    return ColorPreviews{0x111111, 0x222222, 0x333333, false, false};
}

CategorySelection Select(const ColorCategory& row, int backgroundCheck)
{
    return SelectCategory(row, backgroundCheck, Start(), 0x0000FF, kSystem);
}

}  // namespace

// ---- Selecting a category ------------------------------------------------------------------

TEST(SelectCategory, ABackgroundOnlyRowEditsItsBackgroundOnTheEditBoxSample)
{
    ColorScheme s = DistinctScheme();
    const auto groups = BuildColorGroups(s, Edition::Classic);
    for (const char* name : {"Dialog Background", "Button Background"}) {
        SCOPED_TRACE(name);
        const Color back = std::string(name) == "Dialog Background" ? s.crBasicColors[kDialogBack]
                                                                    : s.crBasicColors[kKeyBack];
        for (int check : {0, 1}) {
            const CategorySelection sel = Select(Row(groups, name), check);
            EXPECT_EQ(sel.chooserColor, back);
            EXPECT_EQ(sel.backgroundCheck, 1);
            EXPECT_FALSE(sel.backgroundCheckEnabled);
            EXPECT_TRUE(sel.previews.editBackEdited);
            EXPECT_FALSE(sel.previews.keyBackEdited);
            EXPECT_EQ(sel.previews.editBack, back);
            EXPECT_EQ(sel.previews.text, kSystem.windowText);
            EXPECT_EQ(sel.previews.keyBack, kSystem.buttonFace);
        }
    }
}

TEST(SelectCategory, AKeyRowEditsItsTextOnTheSystemButtonFace)
{
    ColorScheme s = DistinctScheme();
    const auto groups = BuildColorGroups(s, Edition::Classic);
    const struct {
        const char* name;
        Color text;
    } keys[] = {
        {"Memory", s.crBasicColors[kMemoryKeysText]},
        {"Digits", s.crBasicColors[kDigitKeysText]},
        {"Operations 1", s.crBasicColors[kOperations1Text]},
        {"Operations 2", s.crBasicColors[kOperations2Text]},
        {"Clear Operations", s.crBasicColors[kClearKeysText]},
        {"Extension Button", s.crBasicColors[kExtensionKeyText]},
        {"Constants", s.crExtendedColors[kConstantsText]},
        {"Hex Digits", s.crExtendedColors[kHexDigitsText]},
        {"Operations 3", s.crExtendedColors[kOperations3Text]},
        {"Swap Button", s.crExtendedColors[kSwapKeyText]},
        {"Question Button", s.crExtendedColors[kQuestionKeyText]},
    };
    for (const auto& key : keys) {
        SCOPED_TRACE(key.name);
        // Even with the box ticked by a two-colour row before.
        const CategorySelection sel = Select(Row(groups, key.name), 1);
        EXPECT_EQ(sel.chooserColor, key.text);
        EXPECT_EQ(sel.backgroundCheck, 0);
        EXPECT_FALSE(sel.backgroundCheckEnabled);
        EXPECT_FALSE(sel.previews.editBackEdited);
        EXPECT_FALSE(sel.previews.keyBackEdited);
        EXPECT_EQ(sel.previews.text, key.text);
        EXPECT_EQ(sel.previews.editBack, kSystem.buttonFace);
        EXPECT_EQ(sel.previews.keyBack, kSystem.buttonFace);
    }
}

TEST(SelectCategory, ATwoColourRowEditsWhatTheBackgroundColorBoxSays)
{
    ColorScheme s = DistinctScheme();
    const auto groups = BuildColorGroups(s, Edition::Classic);
    const ColorCategory& enter = Row(groups, "Enter Window");

    const CategorySelection text = Select(enter, 0);
    EXPECT_EQ(text.chooserColor, s.crBasicColors[kEnterText]);
    EXPECT_EQ(text.backgroundCheck, 0);
    EXPECT_TRUE(text.backgroundCheckEnabled);
    EXPECT_FALSE(text.previews.editBackEdited);
    EXPECT_FALSE(text.previews.keyBackEdited);
    EXPECT_EQ(text.previews.text, s.crBasicColors[kEnterText]);
    EXPECT_EQ(text.previews.editBack, s.crBasicColors[kEnterBack]);
    EXPECT_EQ(text.previews.keyBack, kSystem.buttonFace);

    const CategorySelection back = Select(enter, 1);
    EXPECT_EQ(back.chooserColor, s.crBasicColors[kEnterBack]);
    EXPECT_EQ(back.backgroundCheck, 1);
    EXPECT_TRUE(back.backgroundCheckEnabled);
    EXPECT_TRUE(back.previews.editBackEdited);
    EXPECT_FALSE(back.previews.keyBackEdited);
}

TEST(SelectCategory, TheBackgroundColorBoxKeepsItsStateBetweenTwoColourRows)
{
    ColorScheme s = DistinctScheme();
    const auto groups = BuildColorGroups(s, Edition::Classic);
    CategorySelection sel = Select(Row(groups, "Enter Window"), 1);
    sel = SelectCategory(Row(groups, "Mem"), sel.backgroundCheck, sel.previews, sel.chooserColor, kSystem);
    EXPECT_EQ(sel.backgroundCheck, 1);
    EXPECT_EQ(sel.chooserColor, s.crBasicColors[kResultBack]);

    // A background-only row ticks it, so the next two-colour row edits its background too.
    sel = Select(Row(groups, "Dialog Background"), 0);
    sel =
        SelectCategory(Row(groups, "A-M Info"), sel.backgroundCheck, sel.previews, sel.chooserColor, kSystem);
    EXPECT_EQ(sel.backgroundCheck, 1);
    EXPECT_EQ(sel.chooserColor, s.crBasicColors[kAmInfoBack]);
    EXPECT_EQ(sel.previews.text, s.crBasicColors[kAccText]);

    // A key row clears it.
    sel = SelectCategory(Row(groups, "Digits"), sel.backgroundCheck, sel.previews, sel.chooserColor, kSystem);
    sel = SelectCategory(Row(groups, "Operation Info"), sel.backgroundCheck, sel.previews, sel.chooserColor,
                         kSystem);
    EXPECT_EQ(sel.backgroundCheck, 0);
    EXPECT_EQ(sel.chooserColor, s.crBasicColors[kOperations1Text]);
}

TEST(SelectCategory, PreviewKindsOverrideTheSamplesBackgroundAndText)
{
    Color text = 0xAA0001, back = 0xAA0002;
    const struct {
        uint32_t kind;
        Color editBack;
        Color previewText;
    } cases[] = {
        {kKindText | kKindBack | kKindPreviewWhite, 0xFFFFFF, text},
        {kKindText | kKindBack | kKindPreviewBlack, 0x000000, text},
        {kKindText | kKindBack | kKindPreviewWindow, kSystem.window, text},
        {kKindText | kKindBack | kKindPreviewButtonFace, kSystem.buttonFace, text},
        {kKindText | kKindBack | kKindPreviewWindowText, back, kSystem.windowText},
        {kKindText | kKindBack, back, text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const ColorCategory row{"Row", 0, 0, &text, &back, c.kind, 0};
        const CategorySelection sel = Select(row, 0);
        EXPECT_EQ(sel.previews.editBack, c.editBack);
        EXPECT_EQ(sel.previews.text, c.previewText);
        EXPECT_EQ(sel.previews.keyBack, kSystem.buttonFace);
        EXPECT_EQ(sel.chooserColor, text);  // the previews never change what is edited
    }
}

TEST(SelectCategory, ABackgroundPreviewedOnTheButtonSetsTheKeyBackgroundFlag)
{
    Color text = 0xAA0001, back = 0xAA0002;
    const ColorCategory row{"Row", 0, 0, &text, &back, kKindText | kKindBack | kKindPreviewOnButton, 0};
    const CategorySelection sel = Select(row, 1);
    EXPECT_EQ(sel.chooserColor, back);
    EXPECT_TRUE(sel.previews.keyBackEdited);
    EXPECT_FALSE(sel.previews.editBackEdited);
}

TEST(SelectCategory, AbsentSlotsFallBackToTheRowsOwnColours)
{
    const ColorCategory row{"Row", 0x010203, 0x040506, nullptr, nullptr, kKindText | kKindBack, 0};
    EXPECT_EQ(Select(row, 0).chooserColor, 0x010203u);
    EXPECT_EQ(Select(row, 1).chooserColor, 0x040506u);
}

TEST(SelectCategory, ARowWithoutColoursLeavesTheChooserAndTheSamplesAlone)
{
    const ColorCategory row{"", 0, 0, nullptr, nullptr, 0, 0};
    const CategorySelection sel = SelectCategory(row, 1, Start(), 0x123456, kSystem);
    EXPECT_EQ(sel.chooserColor, 0x123456u);
    EXPECT_EQ(sel.backgroundCheck, 0);
    EXPECT_FALSE(sel.backgroundCheckEnabled);
    EXPECT_EQ(sel.previews.text, Start().text);
    EXPECT_EQ(sel.previews.editBack, Start().editBack);
}

// ---- Storing a chosen colour ---------------------------------------------------------------

TEST(StoreCategoryColor, TheTextSlotUnlessABackgroundIsEdited)
{
    ColorScheme s = DistinctScheme();
    auto groups = BuildColorGroups(s, Edition::Classic);
    ColorCategory& enter = Row(groups, "Enter Window");

    StoreCategoryColor(enter, Select(enter, 0).previews, 0x00ABCD);
    EXPECT_EQ(s.crBasicColors[kEnterText], 0x00ABCDu);
    EXPECT_EQ(s.crBasicColors[kEnterBack], DistinctScheme().crBasicColors[kEnterBack]);

    StoreCategoryColor(enter, Select(enter, 1).previews, 0x00DCBA);
    EXPECT_EQ(s.crBasicColors[kEnterBack], 0x00DCBAu);
    EXPECT_EQ(s.crBasicColors[kEnterText], 0x00ABCDu);

    ColorCategory& dialog = Row(groups, "Dialog Background");
    StoreCategoryColor(dialog, Select(dialog, 0).previews, 0x0A0B0C);
    EXPECT_EQ(s.crBasicColors[kDialogBack], 0x0A0B0Cu);

    ColorCategory& hex = Row(groups, "Hex Digits");
    StoreCategoryColor(hex, Select(hex, 1).previews, 0x0C0B0A);
    EXPECT_EQ(s.crExtendedColors[kHexDigitsText], 0x0C0B0Au);
}

TEST(StoreCategoryColor, RowsSharingASlotEditOneColour)
{
    ColorScheme s = DistinctScheme();
    auto groups = BuildColorGroups(s, Edition::Classic);
    ColorCategory& acc = Row(groups, "Acc");
    StoreCategoryColor(acc, Select(acc, 0).previews, 0x0000AA);
    EXPECT_EQ(CategoryText(Row(groups, "Result Window")), 0x0000AAu);
    EXPECT_EQ(CategoryText(Row(groups, "A-M Info")), 0x0000AAu);

    StoreCategoryColor(acc, Select(acc, 1).previews, 0x0000BB);
    EXPECT_EQ(CategoryBack(Row(groups, "Mem")), 0x0000BBu);
    EXPECT_EQ(CategoryBack(Row(groups, "Result Window")), 0x0000BBu);

    // "Operation Info" edits the Operations 1 keys' text.
    ColorCategory& info = Row(groups, "Operation Info");
    StoreCategoryColor(info, Select(info, 0).previews, 0x0000CC);
    EXPECT_EQ(CategoryText(Row(groups, "Operations 1")), 0x0000CCu);
}

TEST(StoreCategoryColor, AnAbsentSlotTakesTheColourInTheRowsFallback)
{
    ColorCategory row{"Row", 0xFFFFFFFF, 0xFFFFFFFF, nullptr, nullptr, kKindText | kKindBack, 0};
    ColorPreviews previews;
    StoreCategoryColor(row, previews, 0x000001);
    EXPECT_EQ(row.fallbackText, 0x000001u);
    previews.keyBackEdited = true;
    StoreCategoryColor(row, previews, 0x000002);
    EXPECT_EQ(row.fallbackBack, 0x000002u);
}

TEST(ShowChooserColor, GoesToTheEditedBackgroundElseToTheText)
{
    ColorPreviews previews = Start();
    ShowChooserColor(previews, 0x0000AA);
    EXPECT_EQ(previews.text, 0x0000AAu);

    previews = Start();
    previews.editBackEdited = true;
    ShowChooserColor(previews, 0x0000BB);
    EXPECT_EQ(previews.editBack, 0x0000BBu);
    EXPECT_EQ(previews.text, Start().text);

    previews = Start();
    previews.keyBackEdited = true;
    ShowChooserColor(previews, 0x0000CC);
    EXPECT_EQ(previews.keyBack, 0x0000CCu);
    EXPECT_EQ(previews.editBack, Start().editBack);
}

// ---- The window's side of a change ---------------------------------------------------------

TEST(DecideColorChange, DefaultRequestedRestoresEverything)
{
    for (bool check : {false, true}) {
        for (bool flag : {false, true}) {
            const ColorChangeDecision d = DecideColorChange(true, check, flag, 0x80000011u);
            EXPECT_EQ(d.kind, ColorChangeKind::RestoreDefaults);
            EXPECT_EQ(d.mask, kAllColors);
            EXPECT_EQ(d.systemBackgrounds, flag ? 1 : 0);  // Default leaves the flag alone
        }
    }
}

TEST(DecideColorChange, AChangedSystemBackgroundBoxSwitchesTheFlagAndRepaintsAll)
{
    ColorChangeDecision d = DecideColorChange(false, true, false, 0x80000011u);
    EXPECT_EQ(d.kind, ColorChangeKind::SwitchSystemBackgrounds);
    EXPECT_EQ(d.mask, kAllColors);
    EXPECT_EQ(d.systemBackgrounds, 1);

    d = DecideColorChange(false, false, true, 0x80000011u);
    EXPECT_EQ(d.kind, ColorChangeKind::SwitchSystemBackgrounds);
    EXPECT_EQ(d.systemBackgrounds, 0);
}

TEST(DecideColorChange, OtherwiseTheSelectedRowsMaskIsRepainted)
{
    for (bool flag : {false, true}) {
        const ColorChangeDecision d = DecideColorChange(false, flag, flag, 0x40000004u);
        EXPECT_EQ(d.kind, ColorChangeKind::Repaint);
        EXPECT_EQ(d.mask, 0x40000004u);
        EXPECT_EQ(d.systemBackgrounds, flag ? 1 : 0);
    }
}

// ---- The category each group comes back to -------------------------------------------------

TEST(RememberedCategories, EachGroupComesBackToTheRowLeft)
{
    RememberedCategories remembered;
    remembered.Reset(3);
    EXPECT_EQ(remembered.Recall(0, 8), 0);
    EXPECT_EQ(remembered.Recall(1, 6), 0);

    // "Basic Buttons" with its third row, over to "Text & Back" and back.
    remembered.Remember(1, 2);
    EXPECT_EQ(remembered.Recall(0, 8), 0);
    remembered.Remember(0, 4);
    EXPECT_EQ(remembered.Recall(1, 6), 2);
    EXPECT_EQ(remembered.Recall(0, 8), 4);
    EXPECT_EQ(remembered.Recall(2, 5), 0);
}

TEST(RememberedCategories, ARowThatIsNotThereIsTheFirst)
{
    RememberedCategories remembered;
    remembered.Reset(2);
    remembered.Remember(0, 7);
    EXPECT_EQ(remembered.Recall(0, 7), 0);
    remembered.Remember(1, -1);
    EXPECT_EQ(remembered.Recall(1, 6), 0);
    remembered.Remember(5, 1);  // no such group: ignored
    EXPECT_EQ(remembered.Recall(5, 6), 0);

    remembered.Reset(2);  // a new showing starts over
    remembered.Remember(0, 3);
    remembered.Reset(2);
    EXPECT_EQ(remembered.Recall(0, 8), 0);
}

TEST(ColorGroupsInTheDialog, TheStyledEditionListsOneGroupWithoutTheKeyBackground)
{
    ColorScheme s = DistinctScheme();
    const auto groups = BuildColorGroups(s, Edition::Styled);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_STREQ(groups[0].name, "Text & Back");
    for (const ColorCategory& row : groups[0].rows)
        EXPECT_STRNE(row.name, "Button Background");
}

// ---- Folding -------------------------------------------------------------------------------

TEST(Folding, FoldedOnlyTheSelectorColumnStays)
{
    EXPECT_EQ(FoldedRight(260), 262);
}

TEST(Folding, UnfoldedUpToTheRedBoxPlusTheLeftMargin)
{
    // Window at 50, list box at 61: an 11-pixel margin.
    EXPECT_EQ(UnfoldedRight(true, 640, 420, 50, 61), 651);
    // Before the chooser is known to be fully open, up to "Add to Custom Colors".
    EXPECT_EQ(UnfoldedRight(false, 640, 420, 50, 61), 431);
}
