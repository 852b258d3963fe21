// The colours dialog's category selector: groups and categories, the two check boxes,
// "Default" and folding.
#include "color_ext_dialog.h"

#include <colordlg.h>

#include "color_box_text.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "window_place.h"

CChColorExtDlg::CChColorExtDlg(Color initialColor, DWORD flags, int templateId)
    : CChooseColorDlg(initialColor, flags, templateId), chooserColor_(UsableColor(initialColor))
{
}

uint32_t CChColorExtDlg::SelectedMask() const
{
    if (categoriesBox_ == nullptr || Handle() == nullptr)
        return 0;
    const LRESULT index = SendMessageA(categoriesBox_, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return 0;
    return static_cast<uint32_t>(SendMessageA(categoriesBox_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void CChColorExtDlg::OnInitDialog()
{
    CChooseColorDlg::OnInitDialog();
    groupsBox_ = Item(IDC_COLOR_GROUPS);
    categoriesBox_ = Item(IDC_COLOR_CATEGORIES);
    for (const ColorGroup& group : groups_)
        SendMessageA(groupsBox_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(group.name));
    currentGroup_ = 0;
    remembered_.Reset(groups_.size());
    FillList();
    if (!unfolded_) {
        unfolded_ = true;  // the template is the unfolded dialog
        SetUnfolded(false);
    }
    if (!showSystemBackground_)
        ShowWindow(Item(IDC_COLOR_SYSTEM_BACKGROUND), SW_HIDE);
    heard_.clear();  // the controls of a dialog opened before are gone
    for (int id : {IDC_COLOR_GROUPS, IDC_COLOR_CATEGORIES, IDC_COLOR_BACKGROUND, IDC_COLOR_SYSTEM_BACKGROUND,
                   IDC_COLOR_DEFAULT, IDC_COLOR_FOLD, IDC_COLOR_BUTTON_SAMPLE, IDC_COLOR_EDIT_SAMPLE}) {
        auto heard = std::make_unique<SubclassedControl>();
        if (heard->Attach(Item(id))) {
            heard->SetSpokenTextSource(this);
            heard_.push_back(std::move(heard));
        }
    }
}

bool CChColorExtDlg::SpokenTextOf(HWND control, SpokenText& text)
{
    text.name = LoadResourceString(static_cast<UINT>(IDS_NAME_OFFSET + GetDlgCtrlID(control)));
    return !text.name.empty();
}

bool CChColorExtDlg::OnCommand(int id, int code)
{
    // Each control acts on one notification only: a selection change or a click.
    const int acted = id == IDC_COLOR_GROUPS       ? CBN_SELCHANGE
                      : id == IDC_COLOR_CATEGORIES ? LBN_SELCHANGE
                                                   : BN_CLICKED;
    if (code != acted)
        return false;
    switch (id) {
    case IDC_COLOR_GROUPS:
        remembered_.Remember(static_cast<size_t>(currentGroup_), currentCategory_);
        if (ReadControls())
            FillList();
        return true;
    case IDC_COLOR_CATEGORIES:
    case IDC_COLOR_BACKGROUND:
        if (ReadControls())
            SelectCurrentCategory();
        return true;
    case IDC_COLOR_SYSTEM_BACKGROUND:
        if (!ReadControls())
            return true;
        StoreColor(lastColor_);
        NotifyChange();  // the window takes the new flag from it
        SelectCurrentCategory();
        return true;
    case IDC_COLOR_DEFAULT:
        defaultRequested_ = true;
        StoreColor(lastColor_);
        NotifyChange();           // the window restores every default and repaints all
        SelectCurrentCategory();  // the chooser shows the category's default
        return true;
    case IDC_COLOR_FOLD: SetUnfolded(!unfolded_); return true;
    default: return false;
    }
}

void CChColorExtDlg::StoreColor(Color color)
{
    if (ColorCategory* row = CurrentRow())
        StoreCategoryColor(*row, previews_, color);
}

ColorCategory* CChColorExtDlg::CurrentRow()
{
    if (currentGroup_ < 0 || static_cast<size_t>(currentGroup_) >= groups_.size())
        return nullptr;
    std::vector<ColorCategory>& rows = groups_[static_cast<size_t>(currentGroup_)].rows;
    if (currentCategory_ < 0 || static_cast<size_t>(currentCategory_) >= rows.size())
        return nullptr;
    return &rows[static_cast<size_t>(currentCategory_)];
}

void CChColorExtDlg::FillList()
{
    SendMessageA(categoriesBox_, LB_RESETCONTENT, 0, 0);
    size_t rowCount = 0;
    if (currentGroup_ >= 0 && static_cast<size_t>(currentGroup_) < groups_.size()) {
        for (const ColorCategory& row : groups_[static_cast<size_t>(currentGroup_)].rows) {
            const LRESULT index =
                SendMessageA(categoriesBox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.name));
            if (index >= 0)
                SendMessageA(categoriesBox_, LB_SETITEMDATA, static_cast<WPARAM>(index),
                             static_cast<LPARAM>(row.repaintMask));
            ++rowCount;
        }
    }
    currentCategory_ = remembered_.Recall(static_cast<size_t>(currentGroup_), rowCount);
    previews_.editBackEdited = false;
    SelectCurrentCategory();
}

void CChColorExtDlg::SelectCurrentCategory()
{
    const ColorCategory* row = CurrentRow();
    if (row == nullptr)
        return;
    const PreviewSystemColors system{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE),
                                     GetSysColor(COLOR_WINDOWTEXT)};
    const CategorySelection selection =
        SelectCategory(*row, backgroundCheck_, previews_, chooserColor_, system);
    backgroundCheck_ = selection.backgroundCheck;
    previews_ = selection.previews;
    chooserColor_ = UsableColor(selection.chooserColor);

    red_ = RedOf(chooserColor_);
    green_ = GreenOf(chooserColor_);
    blue_ = BlueOf(chooserColor_);
    previewsShown_ = true;
    SetChooserColor(chooserColor_);
    // The samples change with the category even when its colour is the one the polling saw
    // last, and then the polling has nothing to report.
    RefreshPreviews();
    EnableWindow(Item(IDC_COLOR_BACKGROUND), selection.backgroundCheckEnabled ? TRUE : FALSE);
    WriteControls();
    // Folded, the chooser's boxes are out of view and do not repaint, so they would not start
    // the polling themselves.
    if (!unfolded_)
        StartChangeTimer();
}

bool CChColorExtDlg::ReadControls()
{
    const int boxes[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
    uint8_t values[3] = {};
    for (int i = 0; i < 3; ++i) {
        char text[256] = "";
        GetDlgItemTextA(Handle(), boxes[i], text, sizeof text);
        const std::optional<uint8_t> value = ParseChannel(text);
        if (!value) {
            // Titled as the dialog: a box titled as the calculator would be taken for a
            // running calculator by a second start, which looks for that title.
            char title[64] = "";
            GetWindowTextA(Handle(), title, sizeof title);
            MessageBoxA(Handle(), kChannelRangeMessage, title, MB_OK | MB_ICONEXCLAMATION);
            // The selections and check boxes go back to what is being edited: the change
            // notification takes its repaint mask from the list's selection.
            WriteSelections();
            HWND box = Item(boxes[i]);
            SetFocus(box);
            SendMessageA(box, EM_SETSEL, 0, -1);
            return false;
        }
        values[i] = *value;
    }
    const LRESULT group = SendMessageA(groupsBox_, CB_GETCURSEL, 0, 0);
    if (group != CB_ERR)
        currentGroup_ = static_cast<int>(group);
    const LRESULT category = SendMessageA(categoriesBox_, LB_GETCURSEL, 0, 0);
    if (category != LB_ERR)
        currentCategory_ = static_cast<int>(category);
    backgroundCheck_ = IsDlgButtonChecked(Handle(), IDC_COLOR_BACKGROUND) == BST_CHECKED ? 1 : 0;
    systemBackgroundCheck_ = IsDlgButtonChecked(Handle(), IDC_COLOR_SYSTEM_BACKGROUND) == BST_CHECKED ? 1 : 0;
    red_ = values[0];
    green_ = values[1];
    blue_ = values[2];
    return true;
}

void CChColorExtDlg::WriteControls()
{
    WriteSelections();
    WriteChannelBoxes();
}

void CChColorExtDlg::WriteSelections()
{
    SendMessageA(groupsBox_, CB_SETCURSEL, static_cast<WPARAM>(currentGroup_), 0);
    SendMessageA(categoriesBox_, LB_SETCURSEL, static_cast<WPARAM>(currentCategory_), 0);
    CheckDlgButton(Handle(), IDC_COLOR_BACKGROUND, backgroundCheck_ ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Handle(), IDC_COLOR_SYSTEM_BACKGROUND,
                   systemBackgroundCheck_ ? BST_CHECKED : BST_UNCHECKED);
}

void CChColorExtDlg::SetUnfolded(bool unfolded)
{
    if (unfolded == unfolded_)
        return;
    const RECT window = ScreenRect(Handle());
    int right = 0;
    if (unfolded) {
        right =
            UnfoldedRight(chooserFullyOpen_, ScreenRect(Item(COLOR_RED)).right,
                          ScreenRect(Item(COLOR_ADD)).right, window.left, ScreenRect(categoriesBox_).left);
        SetDlgItemTextA(Handle(), IDC_COLOR_FOLD, "<");
    } else {
        right = FoldedRight(ScreenRect(Item(COLOR_CUSTOM1)).left);
        SetDlgItemTextA(Handle(), IDC_COLOR_FOLD, ">");
    }
    unfolded_ = unfolded;
    MoveWindow(Handle(), window.left, window.top, right - window.left, window.bottom - window.top, TRUE);
}
