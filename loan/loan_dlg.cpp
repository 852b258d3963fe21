// The loan calculator's window: creation, the keypad, the keyboard and the panels.
#include "loan_dlg.h"

#include "about_window.h"
#include "maker_links.h"

#include "resource_ids.h"
#include "window_helpers.h"

namespace {

constexpr uint32_t kEscapePressed = 1;
constexpr UINT kValueFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;

const int kPanelIds[] = {IDC_LOAN_AMOUNT, IDC_LOAN_TERM, IDC_LOAN_RATE, IDC_LOAN_RESULT};
const int kRadioIds[] = {IDC_LOAN_RADIO_AMOUNT, IDC_LOAN_RADIO_RATE, IDC_LOAN_RADIO_TERM};

}  // namespace

const char* LoanWindowTitle(Edition edition)
{
    return edition == Edition::Styled ? "Loan Calculator Styled" : "Loan Calculator Classic";
}

CLoanDlg::CLoanDlg(int templateId, Edition edition, IRegistry& registry)
    : Dialog(templateId), edition_(edition), registry_(registry), entry_(*this, clipboard_)
{
    SetDefaultLoanColors(settings_, GetSysColor(COLOR_BTNFACE));
    icon_ = LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_TALLYRA));
    accelerators_ = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(IDA_LOAN));
    LoadLoanSettings(registry_, edition_, settings_);
    entry_.SetAmountText(settings_.strAmount);
    entry_.SetTermText(settings_.strMonths);
    entry_.SetRateText(settings_.strPercent);
    entry_.SetCommaPoint(settings_.bCommaPoint != 0);
    entry_.AdoptSeparator();
}

CLoanDlg::~CLoanDlg()
{
    controls_.Clear();
    if (backgroundBrush_ != nullptr)
        DeleteObject(backgroundBrush_);
    if (boldFont_ != nullptr)
        DeleteObject(boldFont_);
}

INT_PTR CLoanDlg::DoModal(HWND owner)
{
    if (!settings_.bRunMultiple) {
        HWND other = FindWindowA(nullptr, LoanWindowTitle(edition_));
        if (other != nullptr) {
            SetForegroundWindow(other);
            ShowWindow(other, SW_RESTORE);
            return 0;
        }
    }
    entry_.ComputeLoan();  // a valid stored loan shows its result at once
    return RunModal(owner);
}

void CLoanDlg::BindControls()
{
    if (IsClassic()) {
        for (int id = IDC_KEY_DIGIT0; id <= IDC_KEY_DIGIT9; ++id)
            controls_.AddKey(Handle(), id);
        controls_.AddKey(Handle(), IDC_LOAN_COMPUTE);
        controls_.AddKey(Handle(), IDC_KEY_POINT);
    }
    for (int id : kPanelIds) {
        if (CCalcPanel* panel = controls_.AddPanel(Handle(), id))
            panel->SetFormat(kValueFormat);
    }
}

CCalcButton* CLoanDlg::Key(int id)
{
    return controls_.Key(Item(id));
}

CCalcPanel* CLoanDlg::Panel(int id)
{
    return controls_.Panel(Item(id));
}

bool CLoanDlg::OnInitDialog()
{
    BindControls();
    BuildSystemMenu();
    clipboard_.SetOwner(Handle());
    tooltips_.Create(Handle());
    // The "." caption keeps the plain font even when the keys are bold.
    if (CCalcButton* point = Key(IDC_KEY_POINT))
        point->SetUseParentFont(false);
    ApplySoftButtons();
    ApplyTips();
    ApplyLoanColors();
    ApplyOnTop();
    ready_ = true;
    entry_.RefreshLoan(kLoanPanelAll);
    MoveToStoredPlace(Handle(), settings_.nPosX, settings_.nPosY);
    return false;  // the window takes the focus itself once it is shown
}

void CLoanDlg::OnShown()
{
    SetFocus(Handle());
}

void CLoanDlg::ShowLoan(const LoanDisplay& display, unsigned repaintPanels)
{
    if (!ready_)
        return;
    const struct {
        int id;
        const std::string& text;
        unsigned panel;
    } panels[] = {{IDC_LOAN_AMOUNT, display.amount, kLoanPanelAmount},
                  {IDC_LOAN_RATE, display.rate, kLoanPanelRate},
                  {IDC_LOAN_TERM, display.term, kLoanPanelTerm},
                  {IDC_LOAN_RESULT, display.result, kLoanPanelResult}};
    for (const auto& p : panels) {
        SetDlgItemTextA(Handle(), p.id, p.text.c_str());
        if ((repaintPanels & p.panel) != 0)
            InvalidateRect(Item(p.id), nullptr, FALSE);
    }
    const int selected = static_cast<int>(display.selected);
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(Handle(), kRadioIds[i], i == selected ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(Item(IDC_LOAN_COMPUTE), display.equalsEnabled ? TRUE : FALSE);
    ShowWindow(Item(IDC_KEY_POINT), display.pointShown ? SW_SHOW : SW_HIDE);
    EnableWindow(Item(IDC_KEY_POINT), display.pointEnabled ? TRUE : FALSE);
}

void CLoanDlg::ReadBackField()
{
    for (int i = 0; i < 3; ++i) {
        if (IsDlgButtonChecked(Handle(), kRadioIds[i]) == BST_CHECKED) {
            entry_.ReadBackField(i);
            return;
        }
    }
}

bool CLoanDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return false;
    if (accelerators_ != nullptr && TranslateAcceleratorA(Handle(), accelerators_, &msg))
        return true;
    // Keys typed after a click on a key belong to the window, not to that key.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
        msg.hwnd = Handle();
    return false;
}

bool CLoanDlg::OnCommand(int id, int code, HWND control)
{
    if (id == IDOK || id == IDCANCEL)
        return true;  // never closed by Enter or Escape through default buttons
    switch (id) {
    case IDC_CMD_COPY: entry_.CopyResult(); return true;
    case IDC_CMD_PASTE: entry_.PasteAmount(); return true;
    default: break;
    }
    if (control == nullptr || (code != BN_CLICKED && code != BN_DOUBLECLICKED))
        return false;
    ReadBackField();
    if (id >= IDC_KEY_DIGIT0 && id <= IDC_KEY_DIGIT9) {
        // The second click of a fast pair arrives as a double click: it types the digit again.
        entry_.AddDigit(static_cast<char>('0' + (id - IDC_KEY_DIGIT0)));
    } else if (id == IDC_KEY_POINT && code == BN_CLICKED) {
        entry_.AddSeparator();
    } else if (id == IDC_LOAN_COMPUTE && code == BN_CLICKED) {
        entry_.ComputeLoan();
    } else if (code == BN_CLICKED &&
               (id == IDC_LOAN_RADIO_AMOUNT || id == IDC_LOAN_RADIO_RATE || id == IDC_LOAN_RADIO_TERM)) {
        entry_.RefreshLoan(0);
    } else {
        return false;
    }
    if (GetFocus() != Handle() && !Ending())
        SetFocus(Handle());
    return true;
}

bool CLoanDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_CHAR: return OnCharacter(static_cast<char>(wParam));
    case WM_KEYDOWN: return OnKeyDown(static_cast<int>(wParam));
    case WM_KEYUP: return OnKeyUp(static_cast<int>(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
    case WM_SETFONT:
        if (boldFont_ == nullptr)
            boldFont_ = CreateBoldFont(reinterpret_cast<HFONT>(wParam));
        return false;
    case WM_GETFONT: {
        const bool bold = (wParam == kFontForPanel && settings_.bBoldResult) ||
                          (wParam == kFontForKey && settings_.bBoldButton && IsClassic());
        if (!bold || boldFont_ == nullptr)
            return false;
        result = reinterpret_cast<LRESULT>(boldFont_);
        return true;
    }
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (CCalcButton* key = Key(static_cast<int>(item->CtlID)))
            key->DrawItem();
        result = TRUE;
        return true;
    }
    case WM_MOVE:
        if (!IsIconic(Handle())) {
            const RECT rect = ScreenRect(Handle());
            settings_.nPosX = rect.left;
            settings_.nPosY = rect.top;
        }
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return true;  // the window keeps the keyboard itself
    case WM_LBUTTONDOWN: SetFocus(Handle()); return false;
    case WM_NOTIFY: return tooltips_.OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_HELP:
        ShowAboutWindow(kMakerMailLink, kMakerWebAddress);
        result = TRUE;
        return true;
    case WM_ENDSESSION:
        if (wParam)
            Save();
        return true;
    default: return false;
    }
}

bool CLoanDlg::OnCharacter(char ch)
{
    ReadBackField();
    if (ch >= '0' && ch <= '9')
        entry_.AddDigit(ch);
    else if (ch == ',' || ch == '.')
        entry_.AddSeparator();
    else if (ch == '=')
        entry_.ComputeLoan();
    else
        return false;
    return true;
}

bool CLoanDlg::OnKeyDown(int key)
{
    if (IsHelpKey(key)) {
        ShowAboutWindow(kMakerMailLink, kMakerWebAddress);
        return true;
    }
    ReadBackField();
    if (CtrlHeld()) {
        if (key != VK_DELETE)
            return false;
        entry_.ClearAll();
        return true;
    }
    if (ShiftHeld()) {
        if (key != VK_DELETE)
            return false;
        entry_.ClearField();
        return true;
    }
    switch (key) {
    case VK_BACK:
    case VK_DELETE: entry_.DeleteLast(); return true;
    case VK_ESCAPE: keyState_ |= kEscapePressed; return true;
    case VK_UP: entry_.SelectPreviousField(); return true;
    case VK_DOWN: entry_.SelectNextField(); return true;
    default: return false;
    }
}

bool CLoanDlg::OnKeyUp(int key)
{
    ReadBackField();
    if (CtrlHeld()) {
        keyState_ &= ~kEscapePressed;
        return false;
    }
    if (key == VK_RETURN) {
        entry_.ComputeLoan();  // Enter computes on release and never closes the window
        return true;
    }
    if (ShiftHeld() || key != VK_ESCAPE) {
        keyState_ &= ~kEscapePressed;
        return false;
    }
    // Only an Escape whose press reached this window acts; the latch stays set after it.
    // Stored settings may have both options on: exiting wins, and an ending window clears
    // nothing.
    if ((keyState_ & kEscapePressed) != 0) {
        if (settings_.bExitByEscape) {
            Save();
            End(2);
        } else if (settings_.bClearByEscape) {
            entry_.ClearAll();
        }
    }
    return true;
}

void CLoanDlg::Save()
{
    settings_.strAmount = entry_.AmountText();
    settings_.strMonths = entry_.TermText();
    settings_.strPercent = entry_.RateText();
    SaveLoanSettings(registry_, edition_, settings_);
}
