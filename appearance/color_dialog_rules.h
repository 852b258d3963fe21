#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "color_categories.h"

// The decisions of the colours dialog that need no window: what selecting a category shows
// and edits, where a chosen colour is stored, what the calculator window repaints after a
// change, and which category each group comes back to.

// The system colours the previews fall back on, read when a category is selected.
struct PreviewSystemColors {
    Color window;      // COLOR_WINDOW
    Color buttonFace;  // COLOR_BTNFACE
    Color windowText;  // COLOR_WINDOWTEXT
};

// The two samples and which of their colours the chooser edits. With both flags clear the
// chooser edits the text colour.
struct ColorPreviews {
    Color text = 0;
    Color editBack = 0;  // the "Edit Box" sample's background
    Color keyBack = 0;   // the "Button" sample's background
    bool editBackEdited = false;
    bool keyBackEdited = false;
};

// What selecting a category leads to.
struct CategorySelection {
    Color chooserColor;           // the colour handed to the chooser
    int backgroundCheck;          // the "Background Color" box afterwards
    bool backgroundCheckEnabled;  // only a row with both colours lets the user switch
    ColorPreviews previews;
};

// The row's colours: the slot's value, or the row's own fallback where it has no slot.
Color CategoryText(const ColorCategory& row);
Color CategoryBack(const ColorCategory& row);

// Selects `row`. A background-only row always edits its background, a text-only row always
// its text, and a two-colour row whichever `backgroundCheck` says; the check keeps its state
// between two-colour rows. `previews` and `chooserColor` are the values before the selection:
// what the row does not decide stays.
CategorySelection SelectCategory(const ColorCategory& row, int backgroundCheck, const ColorPreviews& previews,
                                 Color chooserColor, const PreviewSystemColors& system);

// Stores a chosen colour into the slot the previews say is being edited: the background slot
// while a background-edited flag is set, else the text slot (the fallback field where the
// slot is absent). Rows sharing a slot see the change together.
void StoreCategoryColor(ColorCategory& row, const ColorPreviews& previews, Color color);

// The chooser's colour as the samples show it: on the edited background, else as the text.
void ShowChooserColor(ColorPreviews& previews, Color color);

// What the calculator window does after the dialog stored a change.
enum class ColorChangeKind {
    RestoreDefaults,          // "Default" was pressed: every colour back to its default
    SwitchSystemBackgrounds,  // the "System Background" box differs from the window's flag
    Repaint,                  // a plain colour change: repaint what the row's mask names
};

struct ColorChangeDecision {
    ColorChangeKind kind;
    uint32_t mask;              // for ApplyColors
    uint8_t systemBackgrounds;  // the window's flag afterwards
};

ColorChangeDecision DecideColorChange(bool defaultRequested, bool systemBackgroundCheck,
                                      bool windowSystemBackgrounds, uint32_t selectedMask);

// The category each group shows when the user comes back to it; 0 until the user leaves it.
class RememberedCategories {
public:
    void Reset(size_t groupCount);
    void Remember(size_t group, int category);
    // The remembered row of `group`, or 0 where it is not one of its `rowCount` rows.
    int Recall(size_t group, size_t rowCount) const;

private:
    std::vector<int> categories_;
};

// The dialog's right edge, in screen coordinates, when it folds the chooser part away: only
// the selector column stays, up to just past the custom-colour grid's left edge.
int FoldedRight(int customGridLeft);

// The right edge when it unfolds: the right edge of the Red box (of the "Add to Custom
// Colors" button while the chooser is not fully open), plus the margin the selector column
// keeps on the left.
int UnfoldedRight(bool chooserFullyOpen, int redBoxRight, int addButtonRight, int windowLeft, int listLeft);
