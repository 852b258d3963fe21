// The keypad windows' system menus: each window lists its items in a table, and one walk of
// it builds the menu, runs the commands, saves what they change and sets the check marks.
#include "command_ids.h"
#include "keypad_dialog.h"
#include "resource_ids.h"

namespace {

void Flip(uint8_t& flag)
{
    flag = flag ? 0 : 1;
}

}  // namespace

void CKeypadDlg::SetOptionRows(std::vector<OptionRow> rows)
{
    rows_ = std::move(rows);
}

OptionRow CKeypadDlg::Separator(bool classicOnly)
{
    OptionRow row;
    row.classicOnly = classicOnly;
    return row;
}

OptionRow CKeypadDlg::Common(UINT command, SaveRule save)
{
    // The options both windows have, each with its text, its flag and what it changes.
    WindowOptions& o = *options_;
    const struct {
        UINT command;
        UINT text;
        uint8_t* flag;
        bool classicOnly;
        std::function<void()> apply;
    } kCommon[] = {
        {IDM_SHOW_TIPS, IDS_SHOW_TIPS, &o.bShowTips, false, [this] { ApplyTips(); }},
        {IDM_QUICK_HELP, IDS_QUICK_HELP, nullptr, false, [this] { ShowHelp(); }},
        {IDM_EXIT_ON_ESCAPE, IDS_EXIT_ON_ESCAPE, exitByEscape_, false, [this] { ApplyEscapeRule(true); }},
        {IDM_CLEAR_ON_ESCAPE, IDS_CLEAR_ON_ESCAPE, clearByEscape_, false, [this] { ApplyEscapeRule(false); }},
        {IDM_MULTIPLE_INSTANCES, IDS_MULTIPLE_INSTANCES, &o.bRunMultiple, false, nullptr},
        {IDM_ALWAYS_ON_TOP, IDS_ALWAYS_ON_TOP, &o.bOnTop, false, [this] { ApplyOnTop(); }},
        {IDM_BOLD_BUTTONS, IDS_BOLD_BUTTONS, &o.bBoldButton, true, [this] { RedrawAll(); }},
        {IDM_SOFT_BUTTONS, IDS_SOFT_BUTTONS, &o.bSoftButtons, true, [this] { ApplySoftButtons(); }},
        {IDM_BOLD_VALUES, IDS_BOLD_VALUES, &o.bBoldResult, false, [this] { RedrawAll(); }},
        // The other template is the other font: the window ends to be created again.
        {IDM_BIG_FONT, IDS_BIG_FONT, &o.bBigFont, false, [this] { End(kEndRecreate); }},
    };
    OptionRow row;
    for (const auto& c : kCommon) {
        if (c.command == command) {
            row = OptionRow(c.command, c.text, c.flag, c.flag, c.classicOnly, save, c.apply);
        }
    }
    return row;
}

void CKeypadDlg::ApplyEscapeRule(bool exitChanged)
{
    // Exit on Escape and Clear on Escape are never both on.
    if (exitChanged && *exitByEscape_)
        *clearByEscape_ = 0;
    if (!exitChanged && *clearByEscape_)
        *exitByEscape_ = 0;
}

void CKeypadDlg::BuildSystemMenu()
{
    // The window cannot be sized or maximised; the rest of the platform's items stay.
    if (GetSystemMenu(Handle(), FALSE) == nullptr)
        return;
    RemoveSizeItems(Handle());
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    for (const OptionRow& row : rows_) {
        if (!row.classicOnly || IsClassic())
            InsertMenuRow(menu, -1, row);
    }
}

void CKeypadDlg::UpdateChecks()
{
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    for (const OptionRow& row : rows_) {
        if (!row.classicOnly || IsClassic())
            CheckMenuRow(menu, row);
    }
}

OptionRun CKeypadDlg::RunOption(UINT command)
{
    const OptionRow* row = FindMenuRow(rows_, command);
    if (row == nullptr)
        return OptionRun::Unknown;
    if (row->classicOnly && !IsClassic())
        return OptionRun::Refused;
    if (row->flips != nullptr)
        Flip(*row->flips);
    if (row->run)
        row->run();
    UpdateChecks();
    if (row->save == SaveRule::AtOnce)
        SaveSettings();
    return OptionRun::Done;
}

bool CKeypadDlg::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT command = static_cast<UINT>(wParam & 0xFFF0);
    // While a window this one opened is up (the loan window, the colours dialog, the About
    // window), this one is disabled and its menu out of reach. A command that still arrives,
    // queued before that window opened or posted from outside, would open a second window
    // inside the first, or end or re-create this one beneath it: it is dropped. The
    // platform's own commands (move, minimise, restore) still work.
    if (!IsWindowEnabled(Handle()) && (command == SC_CLOSE || command < 0xF000))
        return true;
    if (command == SC_CLOSE) {
        SaveAndClose();
        return true;
    }
    switch (RunOption(command)) {
    case OptionRun::Done: return true;
    case OptionRun::Refused: return false;
    case OptionRun::Unknown: break;
    }
    return OnOtherSysCommand(wParam, lParam);
}

void CKeypadDlg::SaveAndClose()
{
    SaveSettings();
    End(kEndClosed);
}
