#pragma once
#include <memory>
#include <vector>

#include "color_dialog.h"
#include "subclassed_control.h"

// The colours dialog: the chooser with, on its left, the groups of colour categories of the
// calculator window, the "Background Color" and "System Background" boxes, "Default", and a
// button that folds the chooser part away. Every colour picked goes at once into the
// category's slot in the window's scheme, and the change notification has the window repaint.
class CChColorExtDlg : public CChooseColorDlg, private ISpokenTextSource {
public:
    CChColorExtDlg(Color initialColor, DWORD flags, int templateId);

    // The groups the combo box lists, in order; their rows point into the window's scheme.
    void SetGroups(std::vector<ColorGroup> groups) { groups_ = std::move(groups); }
    void SetSystemBackgroundCheck(int check) { systemBackgroundCheck_ = check; }
    void SetShowSystemBackground(bool show) { showSystemBackground_ = show; }

    // The "System Background" box as last read.
    int SystemBackgroundCheck() const { return systemBackgroundCheck_; }
    // The repaint mask of the selected category, kept as its list entry's item data; 0 when
    // none is selected.
    uint32_t SelectedMask() const;

protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void StoreColor(Color color) override;

private:
    // A screen reader hears the dialog's own controls by name; the chooser's are the system's.
    bool SpokenTextOf(HWND control, SpokenText& text) override;
    void FillList();
    void SelectCurrentCategory();
    // Reads the selections, the two boxes and the Red, Green and Blue values into the
    // members; false, with the message shown and nothing changed, when a value is refused.
    bool ReadControls();
    // Writes the members into the controls; the selections and check boxes alone.
    void WriteControls();
    void WriteSelections();
    void SetUnfolded(bool unfolded);
    ColorCategory* CurrentRow();

    HWND groupsBox_ = nullptr;
    HWND categoriesBox_ = nullptr;
    int currentGroup_ = 0;
    int systemBackgroundCheck_ = 0;
    int backgroundCheck_ = 0;
    int currentCategory_ = -1;
    bool unfolded_ = true;
    bool showSystemBackground_ = false;
    std::vector<ColorGroup> groups_;
    Color chooserColor_;
    RememberedCategories remembered_;
    std::vector<std::unique_ptr<SubclassedControl>> heard_;
};
