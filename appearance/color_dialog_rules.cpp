#include "color_dialog_rules.h"

#include "color_plan.h"

Color CategoryText(const ColorCategory& row)
{
    return row.textSlot != nullptr ? *row.textSlot : row.fallbackText;
}

Color CategoryBack(const ColorCategory& row)
{
    return row.backSlot != nullptr ? *row.backSlot : row.fallbackBack;
}

CategorySelection SelectCategory(const ColorCategory& row, int backgroundCheck, const ColorPreviews& previews,
                                 Color chooserColor, const PreviewSystemColors& system)
{
    CategorySelection s{chooserColor, backgroundCheck, false, previews};
    const bool hasText = (row.kind & kKindText) != 0;
    const bool hasBack = (row.kind & kKindBack) != 0;

    if (hasText)
        s.previews.text = CategoryText(row);
    else
        s.backgroundCheck = 1;
    if (hasBack)
        s.previews.editBack = CategoryBack(row);
    else
        s.backgroundCheck = 0;

    if (s.backgroundCheck == 1)
        s.chooserColor = CategoryBack(row);
    else if (hasText)
        s.chooserColor = CategoryText(row);

    // The kind decides what the samples stand on, whatever the row's own colours are.
    if (row.kind & kKindPreviewBlack)
        s.previews.editBack = 0x000000;
    if (row.kind & kKindPreviewWhite)
        s.previews.editBack = 0xFFFFFF;
    if (row.kind & kKindPreviewWindow)
        s.previews.editBack = system.window;
    if (row.kind & kKindPreviewButtonFace)
        s.previews.editBack = system.buttonFace;
    if (row.kind & kKindPreviewWindowText)
        s.previews.text = system.windowText;
    s.previews.keyBack = system.buttonFace;

    s.previews.editBackEdited = false;
    s.previews.keyBackEdited = false;
    if (s.backgroundCheck == 1 && hasBack) {
        if (row.kind & kKindPreviewOnButton)
            s.previews.keyBackEdited = true;
        else
            s.previews.editBackEdited = true;
    }
    s.backgroundCheckEnabled = hasText && hasBack;
    return s;
}

void StoreCategoryColor(ColorCategory& row, const ColorPreviews& previews, Color color)
{
    if (previews.editBackEdited || previews.keyBackEdited)
        *(row.backSlot != nullptr ? row.backSlot : &row.fallbackBack) = color;
    else
        *(row.textSlot != nullptr ? row.textSlot : &row.fallbackText) = color;
}

void ShowChooserColor(ColorPreviews& previews, Color color)
{
    if (previews.editBackEdited)
        previews.editBack = color;
    else if (previews.keyBackEdited)
        previews.keyBack = color;
    else
        previews.text = color;
}

ColorChangeDecision DecideColorChange(bool defaultRequested, bool systemBackgroundCheck,
                                      bool windowSystemBackgrounds, uint32_t selectedMask)
{
    const uint8_t current = windowSystemBackgrounds ? 1 : 0;
    if (defaultRequested)
        return ColorChangeDecision{ColorChangeKind::RestoreDefaults, kAllColors, current};
    if (systemBackgroundCheck != windowSystemBackgrounds)
        return ColorChangeDecision{ColorChangeKind::SwitchSystemBackgrounds, kAllColors,
                                   static_cast<uint8_t>(systemBackgroundCheck ? 1 : 0)};
    return ColorChangeDecision{ColorChangeKind::Repaint, selectedMask, current};
}

void RememberedCategories::Reset(size_t groupCount)
{
    categories_.assign(groupCount, 0);
}

void RememberedCategories::Remember(size_t group, int category)
{
    if (group < categories_.size())
        categories_[group] = category;
}

int RememberedCategories::Recall(size_t group, size_t rowCount) const
{
    if (group >= categories_.size())
        return 0;
    const int category = categories_[group];
    return category >= 0 && static_cast<size_t>(category) < rowCount ? category : 0;
}

int FoldedRight(int customGridLeft)
{
    return customGridLeft + 2;
}

int UnfoldedRight(bool chooserFullyOpen, int redBoxRight, int addButtonRight, int windowLeft, int listLeft)
{
    return (chooserFullyOpen ? redBoxRight : addButtonRight) + (listLeft - windowLeft);
}
