// The payment schedule window: its controls fed from the window-free schedule, its texts and
// its chart, the extra box and the window's growth.
#include "schedule_dlg.h"

#include <commctrl.h>

#include <algorithm>

#include "fonts.h"
#include "keyboard.h"
#include "loan_settings.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "schedule_key_map.h"
#include "window_place.h"

namespace {

constexpr int kPadding = 16;  // a cell's margins and the list's grid

void SetFontOf(HWND control, HFONT font)
{
    if (control != nullptr && font != nullptr)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// Where each control goes when the window grows.
const std::pair<int, ScheduleAnchor> kAnchors[] = {
    {IDC_SCHEDULE_LIST, ScheduleAnchor::List},        {IDC_SCHEDULE_CHART, ScheduleAnchor::Chart},
    {IDC_SCHEDULE_TOTALS, ScheduleAnchor::Line},      {IDC_SCHEDULE_SAVINGS, ScheduleAnchor::Line},
    {IDC_SCHEDULE_NOTE, ScheduleAnchor::Line},        {IDC_SCHEDULE_EXTRA_LABEL, ScheduleAnchor::BottomLeft},
    {IDC_SCHEDULE_EXTRA, ScheduleAnchor::BottomLeft}, {IDC_SCHEDULE_COPY, ScheduleAnchor::BottomRight},
    {IDCANCEL, ScheduleAnchor::BottomRight},
};

}  // namespace

CScheduleDlg::CScheduleDlg(bool bigFont, const ScheduleLoan& loan, PaymentSchedule schedule,
                           ScheduleLook look, IClipboard& clipboard)
    : Dialog(bigFont ? IDD_SCHEDULE_BIG : IDD_SCHEDULE), loan_(loan), base_(std::move(schedule)),
      shown_(base_), look_(look), clipboard_(clipboard)
{
    // The templates name the chart's class: without it the window could not be made.
    CBalanceChart::Register();
}

CScheduleDlg::~CScheduleDlg()
{
    chart_.Detach();
    extraBox_.Detach();
    if (background_ != nullptr)
        DeleteObject(background_);
    if (boxBrush_ != nullptr)
        DeleteObject(boxBrush_);
}

bool CScheduleDlg::OnInitDialog()
{
    background_ = CreateSolidBrush(look_.window);
    boxBrush_ = CreateSolidBrush(look_.back);
    const HFONT values = look_.valueFont != nullptr ? look_.valueFont : look_.font;
    for (int id : {IDC_SCHEDULE_TOTALS, IDC_SCHEDULE_SAVINGS, IDC_SCHEDULE_NOTE, IDC_SCHEDULE_EXTRA_LABEL,
                   IDC_SCHEDULE_COPY, IDCANCEL})
        SetFontOf(Item(id), look_.font);
    SetFontOf(Item(IDC_SCHEDULE_EXTRA), values);
    words_ = ScheduleWords{LoadResourceString(IDS_SCHEDULE_TOTALS), LoadResourceString(IDS_SCHEDULE_SAVINGS),
                           LoadResourceString(IDS_SCHEDULE_SAVINGS_ONE_MONTH)};
    SetDlgItemTextA(Handle(), IDC_SCHEDULE_NOTE, LoadResourceString(IDS_SCHEDULE_NOTE).c_str());

    const HWND list = Item(IDC_SCHEDULE_LIST);
    SetFontOf(list, values);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    ListView_SetBkColor(list, look_.back);
    ListView_SetTextBkColor(list, look_.back);
    ListView_SetTextColor(list, look_.text);
    for (int column = 0; column < kScheduleColumns; ++column) {
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        c.fmt = column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        c.cx = 0;
        c.pszText = const_cast<char*>(ScheduleHeading(column));
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
    }

    SendMessageA(Item(IDC_SCHEDULE_EXTRA), EM_LIMITTEXT, kLoanTextMaxLength, 0);
    extraBox_.Attach(Item(IDC_SCHEDULE_EXTRA));
    chart_.Attach(Item(IDC_SCHEDULE_CHART));
    chart_.SetLook(values, look_.text, look_.back);
    ShowSchedule();

    // The template's places, from which the controls move when the window grows; it never
    // becomes smaller than the template made it.
    RECT client = {};
    GetClientRect(Handle(), &client);
    templateClient_ = SIZE{client.right, client.bottom};
    const RECT self = ScreenRect(Handle());
    minimum_ = SIZE{self.right - self.left, self.bottom - self.top};
    for (const auto& [id, anchor] : kAnchors) {
        const HWND control = Item(id);
        if (control == nullptr)
            continue;
        RECT r = ScreenRect(control);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        anchored_.emplace_back(control, anchor);
        atTemplate_.push_back(LayoutRect{r.left, r.top, r.right, r.bottom});
    }

    // Over the loan window, as the About window opens over it.
    if (const HWND owner = GetWindow(Handle(), GW_OWNER))
        CenterOver(Handle(), ScreenRect(owner));
    SetFocus(list);
    ListView_SetItemState(list, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    return false;
}

void CScheduleDlg::ShowSchedule()
{
    const HWND list = Item(IDC_SCHEDULE_LIST);
    ListView_SetItemCountEx(list, ScheduleListRows(shown_), LVSICF_NOSCROLL);
    InvalidateRect(list, nullptr, FALSE);
    FitColumns();
    SetDlgItemTextA(Handle(), IDC_SCHEDULE_TOTALS, TotalsLine(words_, shown_, look_.separator).c_str());
    const std::string savings = SavingsLine(words_, extraCents_, SavingsOf(base_, shown_), look_.separator);
    SetDlgItemTextA(Handle(), IDC_SCHEDULE_SAVINGS, savings.c_str());
    chart_.SetSchedules(&shown_, extraCents_ > 0 ? &base_ : nullptr, look_.separator);
}

// Each column as wide as its widest text: the totals row holds the largest amounts, the first
// row the largest balance and, with an extra, the largest payment. Columns only widen, so the
// list does not jump while an extra is typed.
void CScheduleDlg::FitColumns()
{
    const HWND list = Item(IDC_SCHEDULE_LIST);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    const int rows = ScheduleListRows(shown_);
    TextMeasure measure;
    for (int column = 0; column < kScheduleColumns; ++column) {
        int width = measure.Width(font, ScheduleHeading(column));
        for (int row : {0, rows - 2, rows - 1})
            width = std::max(width, measure.Width(font, ScheduleCell(shown_, row, column, look_.separator)));
        width += kPadding;
        if (width > columnWidths_[column]) {
            columnWidths_[column] = width;
            ListView_SetColumnWidth(list, column, width);
        }
    }
}

void CScheduleDlg::LayOut()
{
    if (anchored_.empty())
        return;
    RECT client = {};
    GetClientRect(Handle(), &client);
    const int wider = client.right - templateClient_.cx;
    const int taller = client.bottom - templateClient_.cy;
    HDWP moves = BeginDeferWindowPos(static_cast<int>(anchored_.size()));
    for (size_t i = 0; i < anchored_.size() && moves != nullptr; ++i) {
        const LayoutRect r = PlaceScheduleControl(anchored_[i].second, atTemplate_[i], wider, taller);
        moves = DeferWindowPos(moves, anchored_[i].first, nullptr, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    if (moves != nullptr)
        EndDeferWindowPos(moves);
}

std::string CScheduleDlg::ExtraText() const
{
    const HWND box = Item(IDC_SCHEDULE_EXTRA);
    std::string text(static_cast<size_t>(std::max(0, GetWindowTextLengthA(box))) + 1, '\0');
    text.resize(
        static_cast<size_t>(std::max(0, GetWindowTextA(box, &text[0], static_cast<int>(text.size())))));
    return text;
}

std::pair<size_t, size_t> CScheduleDlg::ExtraSelection() const
{
    DWORD from = 0, to = 0;
    SendMessageA(Item(IDC_SCHEDULE_EXTRA), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    return {from, to};
}

void CScheduleDlg::PutExtra(const std::optional<ExtraBox>& box)
{
    if (!box)
        return;  // refused: the box stays as it was
    const HWND control = Item(IDC_SCHEDULE_EXTRA);
    SetWindowTextA(control, box->text.c_str());
    SendMessageA(control, EM_SETSEL, box->caret, static_cast<LPARAM>(box->caret));
    OnExtraChanged();
}

void CScheduleDlg::OnExtraChanged()
{
    std::string text = ExtraText();
    if (!IsExtraText(text, look_.separator)) {
        // Not typed through the rule (an undo, another program's message): put right.
        const std::optional<ExtraBox> fixed = PasteIntoExtra(std::string(), 0, 0, text, look_.separator);
        text = fixed ? fixed->text : std::string();
        SetWindowTextA(Item(IDC_SCHEDULE_EXTRA), text.c_str());
    }
    const int64_t cents = ExtraCents(text, look_.separator);
    if (cents == extraCents_)
        return;
    extraCents_ = cents;
    std::optional<PaymentSchedule> schedule = BuildSchedule(loan_, cents);
    if (schedule)  // always: the loan had one without the extra
        shown_ = std::move(*schedule);
    ShowSchedule();
}

LRESULT CScheduleDlg::ExtraBoxControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const char separator = owner_.look_.separator;
    const Modifiers mods = message == WM_KEYDOWN ? HeldModifiers() : Modifiers{};
    const bool shiftInsert = message == WM_KEYDOWN && wParam == VK_INSERT && mods.shift && !mods.ctrl;
    if (message == WM_PASTE || shiftInsert || (message == WM_CHAR && wParam == 0x16)) {  // 0x16: Ctrl+V
        std::string text;
        if (owner_.clipboard_.GetText(text)) {
            const auto [from, to] = owner_.ExtraSelection();
            owner_.PutExtra(PasteIntoExtra(owner_.ExtraText(), from, to, text, separator));
        }
        return 0;
    }
    // Control characters (Backspace, Ctrl+C, Ctrl+X, Ctrl+Z) are the box's own; every other
    // character goes through the rule, which refuses all but digits and separators.
    if (message == WM_CHAR && wParam >= 0x20) {
        if (wParam < 0x7F) {
            const auto [from, to] = owner_.ExtraSelection();
            owner_.PutExtra(
                TypeIntoExtra(owner_.ExtraText(), from, to, static_cast<char>(wParam), separator));
        }
        return 0;
    }
    return Default(message, wParam, lParam);
}

void CScheduleDlg::Copy()
{
    if (clipboard_.PutText(ScheduleText(shown_, look_.separator)))
        Announce(FormatResourceString(IDS_ANNOUNCE_COPIED, "the payment schedule"));
}

bool CScheduleDlg::OnCommand(int id, int code, HWND /*control*/)
{
    if (id == IDC_SCHEDULE_EXTRA) {
        if (code == EN_CHANGE)
            OnExtraChanged();
        return code == EN_CHANGE;
    }
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_SCHEDULE_COPY) {
        Copy();
        return true;
    }
    // Enter in the extra box has nothing to do: the schedule follows every key there.
    if (id == IDOK && GetFocus() == Item(IDC_SCHEDULE_EXTRA))
        return true;
    if (id == IDCANCEL || id == IDOK) {
        End(kEndClosed);
        return true;
    }
    return false;
}

bool CScheduleDlg::OnSysCommand(WPARAM command, LPARAM /*lParam*/)
{
    if ((command & 0xFFF0) == SC_CLOSE) {
        End(kEndClosed);
        return true;
    }
    return false;
}

HBRUSH CScheduleDlg::OnControlColor(HDC dc, HWND /*control*/, UINT message)
{
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetBkColor(dc, look_.window);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return background_;
    case WM_CTLCOLOREDIT:
        SetBkColor(dc, look_.back);
        SetTextColor(dc, look_.text);
        return boxBrush_;
    default: return nullptr;
    }
}

bool CScheduleDlg::OnListCell(int id, int row, int column, std::string& text)
{
    // The list keeps no texts: each cell is asked for as it comes into sight.
    if (id != IDC_SCHEDULE_LIST)
        return false;
    text = ScheduleCell(shown_, row, column, look_.separator);
    return true;
}

void CScheduleDlg::OnSize(int /*width*/, int /*height*/)
{
    LayOut();
}

bool CScheduleDlg::OnClose()
{
    End(kEndClosed);
    return true;
}

bool CScheduleDlg::SpokenTextOf(int id, SpokenText& text)
{
    return SpokenTexts(id, IDS_NAME_OFFSET + id, nullptr, text);
}

bool CScheduleDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT& /*result*/)
{
    if (message != WM_GETMINMAXINFO || minimum_.cx <= 0)
        return false;
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize = POINT{minimum_.cx, minimum_.cy};
    return true;
}

bool CScheduleDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return false;
    if (msg.message == WM_KEYDOWN) {
        const auto [from, to] = ExtraSelection();
        const bool boxSelection = msg.hwnd == Item(IDC_SCHEDULE_EXTRA) && from != to;
        if (ScheduleKeyFor(static_cast<int>(msg.wParam), HeldModifiers(), boxSelection) ==
            ScheduleKey::CopyTable) {
            Copy();
            return true;
        }
    }
    // Tab between the list, the box and the buttons, Escape closing, Enter on a button.
    return IsDialogMessageA(Handle(), &msg) != FALSE;
}
