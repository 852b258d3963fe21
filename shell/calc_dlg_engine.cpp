// The window's traffic with its engine, all of it: every click, key and command goes through
// one door with the selections read once for an event the engine takes, and the texts,
// selections and key states the engine pushes back are shown here.
#include "calc_dlg.h"

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "command_ids.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "spoken.h"

namespace {

// The radio groups, each in the order its index counts.
const std::initializer_list<int> kXWindowGroup = {IDC_RADIO_X_DOWN, IDC_RADIO_X_UP};
const std::initializer_list<int> kRegisterGroup = {IDC_KEY_ACC, IDC_KEY_MEM};
const std::initializer_list<int> kBaseGroup = {IDC_RADIO_DEC, IDC_RADIO_HEX, IDC_RADIO_OCT, IDC_RADIO_BIN};
const std::initializer_list<int> kAngleGroup = {IDC_RADIO_DEGREES, IDC_RADIO_RADIANS};

// The precision box's number as GetDlgItemInt reads it, unsigned; -1 when it holds none.
int PrecisionFromText(const char* text)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (end == text || (value == ULONG_MAX && errno == ERANGE))
        return -1;
    return static_cast<int>(static_cast<UINT>(value));
}

bool IsChecked(const Dialog& dialog, int id)
{
    HWND button = dialog.Item(id);
    return button != nullptr && SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int CheckedIndex(const Dialog& dialog, std::initializer_list<int> group)
{
    int index = 0;
    for (int id : group) {
        if (IsChecked(dialog, id))
            return index;
        ++index;
    }
    return -1;
}

// Checks only what changes: every BM_SETCHECK repaints the button.
void SetChecked(const Dialog& dialog, int id, bool checked)
{
    HWND button = dialog.Item(id);
    if (button == nullptr)
        return;
    const UINT state = checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0)) != state)
        SendMessageA(button, BM_SETCHECK, state, 0);
}

void CheckIndex(const Dialog& dialog, std::initializer_list<int> group, int index)
{
    int i = 0;
    for (int id : group)
        SetChecked(dialog, id, i++ == index);
}

}  // namespace

CCalcDlg::ShownText& CCalcDlg::Shown(int id)
{
    for (ShownText& shown : shownTexts_)
        if (shown.id == id)
            return shown;
    shownTexts_.push_back(ShownText{id, false, {}});
    return shownTexts_.back();
}

const std::string& CCalcDlg::ItemText(int id)
{
    ShownText& shown = Shown(id);
    if (!shown.known) {
        shown.text.clear();
        if (HWND control = Item(id)) {
            const int length = GetWindowTextLengthA(control);
            shown.text.assign(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
            const int copied = GetWindowTextA(control, &shown.text[0], static_cast<int>(shown.text.size()));
            shown.text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        }
        shown.known = true;
    }
    return shown.text;
}

void CCalcDlg::ForgetPrecisionText()
{
    Shown(IDC_PRECISION_EDIT).known = false;
    spinPosition_.reset();
}

void CCalcDlg::SetItemText(int id, const std::string& text)
{
    // Setting the same text again is not a change: an edit box would report one, and the
    // panels would repaint for nothing.
    HWND control = Item(id);
    if (control == nullptr || ItemText(id) == text)
        return;
    SetWindowTextA(control, text.c_str());
    // After the call: the edit box's change notification, sent from inside it, forgets.
    ShownText& shown = Shown(id);
    shown.text = text;
    shown.known = true;
}

ControlSelections CCalcDlg::ReadSelections()
{
    ControlSelections read;
    read.nXWindow = CheckedIndex(*this, kXWindowGroup);
    read.nActiveReg = CheckedIndex(*this, kRegisterGroup);
    read.nBase = CheckedIndex(*this, kBaseGroup);
    read.nAngle = CheckedIndex(*this, kAngleGroup);
    read.bIntegerInput = IsChecked(*this, IDC_CHECK_INTEGER_INPUT);
    read.nPrecisionEdit =
        Item(IDC_PRECISION_EDIT) != nullptr ? PrecisionFromText(ItemText(IDC_PRECISION_EDIT).c_str()) : -1;
    return read;
}

bool CCalcDlg::ToEngine(const CalcEvent& event)
{
    return engine_.Handle(event, [this] { return ReadSelections(); });
}

bool CCalcDlg::OnKeyClicked(int id)
{
    if (id == IDC_KEY_TIPS) {
        settings_.bShowTips = IsDlgButtonChecked(Handle(), IDC_KEY_TIPS) == BST_CHECKED ? 1 : 0;
        ApplyTips();
    } else {
        ToEngine(CalcEvent::Click(id));
    }
    return true;
}

bool CCalcDlg::OnKey(UINT message, int key)
{
    // F6 moves to the tape and back, as it moves between the panes of a window.
    if (message == WM_KEYDOWN && key == VK_F6 && tape_.Visible()) {
        SetActiveWindow(tape_.Handle());
        return true;
    }
    switch (message) {
    case WM_KEYDOWN: return ToEngine(CalcEvent::KeyDown(key, HeldModifiers()));
    case WM_KEYUP: return ToEngine(CalcEvent::KeyUp(key, HeldModifiers()));
    default: return ToEngine(CalcEvent::Char(key & 0xFF));
    }
}

void CCalcDlg::PushState(const CalcState& state)
{
    if (!ready_)
        return;
    if (deferring_) {
        deferredState_ = state;
        return;
    }
    // Pushing the engine's own precision number must not come back as an edit by the user.
    pushing_ = true;
    CheckIndex(*this, kXWindowGroup, state.nXWindow);
    CheckIndex(*this, kRegisterGroup, state.nActiveReg);
    CheckIndex(*this, kBaseGroup, state.nBase);
    CheckIndex(*this, kAngleGroup, state.nAngle);
    SetChecked(*this, IDC_CHECK_INTEGER_INPUT, state.bIntegerInput);
    SetChecked(*this, IDC_KEY_TIPS, settings_.bShowTips != 0);
    SetItemText(IDC_PANEL_RESULT, state.strResult);
    SetItemText(IDC_PANEL_CURRENT, state.strCurrent);
    SetItemText(IDC_PANEL_UP_LABEL, state.strUpLabel);
    SetItemText(IDC_PANEL_LAST_OP, state.strLastOp);
    if (CCalcPanel* panel = Panel(IDC_PANEL_LAST_OP))
        panel->SetForeColor(LastOpShownColor(state.nLastOp));
    SetItemText(IDC_PANEL_OTHER, state.strOther);
    SetItemText(IDC_PANEL_INTEGER, state.strInteger);
    SetItemText(IDC_PANEL_OTHER_LABEL, state.strOtherLabel);
    SetItemText(IDC_PRECISION_EDIT, std::to_string(state.nPrecisionEdit));
    if (HWND spin = Item(IDC_PRECISION_SPIN); spin != nullptr && spinPosition_ != state.nPrecisionEdit) {
        SendMessageA(spin, UDM_SETPOS32, 0, state.nPrecisionEdit);
        spinPosition_ = state.nPrecisionEdit;
    }
    pushing_ = false;
}

void CCalcDlg::Announce(const std::string& text, Announcement kind)
{
    if (!ready_)
        return;
    const std::string said =
        kind == Announcement::Copied ? FormatResourceString(IDS_ANNOUNCE_COPIED, text) : text;
    if (deferring_)
        deferredAnnouncement_ = said;  // a paste says only where it ended
    else
        Dialog::Announce(said);
}

bool CCalcDlg::SpokenTextOf(int id, SpokenText& text)
{
    if (!SpokenTexts(id, SpokenNameId(id, engine_.ExtendedView()), KeyShortcut(id, edition_), text))
        return false;
    text.name = SpokenName(id, text.name, engine_.State());
    return true;
}

void CCalcDlg::Paste(bool copyAfter)
{
    // Each typed character refreshes every panel and re-enables the keys its value allows;
    // under a slow window system thousands of them took seconds, so only the last state is
    // shown.
    deferring_ = true;
    ToEngine(CalcEvent::Command(CalcOp::Paste));
    deferring_ = false;
    if (const std::optional<CalcState> last = std::exchange(deferredState_, std::nullopt))
        PushState(*last);
    for (const auto& [id, enabled] : std::exchange(deferredEnables_, {}))
        EnableKey(id, enabled);
    if (const std::optional<std::string> said = std::exchange(deferredAnnouncement_, std::nullopt))
        Dialog::Announce(*said);
    if (copyAfter)
        ToEngine(CalcEvent::Command(CalcOp::Copy));
}

void CCalcDlg::EnableKey(int id, bool enabled)
{
    if (deferring_) {
        deferredEnables_[id] = enabled;
        return;
    }
    HWND control = Item(id);
    if (control != nullptr && (IsWindowEnabled(control) != FALSE) != enabled)
        EnableWindow(control, enabled ? TRUE : FALSE);
}

void CCalcDlg::SetPrecisionRange(int lowest, int highest)
{
    spinPosition_.reset();  // a new range may move the position
    SendMessageA(Item(IDC_PRECISION_SPIN), UDM_SETRANGE32, static_cast<WPARAM>(lowest), highest);
}

void CCalcDlg::SetPrecisionMenuTexts(int nAfter, int nScale)
{
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (menu == nullptr)
        return;
    char text[128];
    wsprintfA(text, LoadResourceString(IDS_AFTER_POINT).c_str(), nAfter);
    ModifyMenuA(menu, IDM_AFTER_POINT, MF_BYCOMMAND | MF_STRING, IDM_AFTER_POINT, text);
    wsprintfA(text, LoadResourceString(IDS_COMMON_SCALE).c_str(), nScale);
    ModifyMenuA(menu, IDM_COMMON_SCALE, MF_BYCOMMAND | MF_STRING, IDM_COMMON_SCALE, text);
}

void CCalcDlg::CheckPrecisionMode(bool after)
{
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (menu != nullptr)
        CheckMenuRadioItem(menu, IDM_AFTER_POINT, IDM_COMMON_SCALE,
                           after ? IDM_AFTER_POINT : IDM_COMMON_SCALE, MF_BYCOMMAND);
}
