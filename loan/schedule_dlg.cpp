#include "schedule_dlg.h"

#include <commctrl.h>

#include <algorithm>

#include "resource_ids.h"
#include "window_helpers.h"

namespace {

constexpr const char* kHeadings[] = {"Month", "Payment", "Interest", "Principal", "Balance"};
constexpr int kColumns = 5;
constexpr int kPadding = 16;  // a cell's margins and the list's grid

void SetFontOf(HWND control, HFONT font)
{
    if (control != nullptr && font != nullptr)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

CScheduleDlg::CScheduleDlg(bool bigFont, PaymentSchedule schedule, ScheduleLook look, IClipboard& clipboard)
    : Dialog(bigFont ? IDD_SCHEDULE_BIG : IDD_SCHEDULE), schedule_(std::move(schedule)), look_(look),
      clipboard_(clipboard)
{
}

CScheduleDlg::~CScheduleDlg()
{
    if (background_ != nullptr)
        DeleteObject(background_);
}

bool CScheduleDlg::OnInitDialog()
{
    background_ = CreateSolidBrush(look_.window);
    for (int id : {IDC_SCHEDULE_TOTALS, IDC_SCHEDULE_NOTE, IDC_SCHEDULE_COPY, IDCANCEL})
        SetFontOf(Item(id), look_.font);
    const HWND list = Item(IDC_SCHEDULE_LIST);
    SetFontOf(list, look_.valueFont != nullptr ? look_.valueFont : look_.font);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    ListView_SetBkColor(list, look_.back);
    ListView_SetTextBkColor(list, look_.back);
    ListView_SetTextColor(list, look_.text);

    // Each column as wide as its widest text: the totals row holds the largest amounts, the
    // first balance the largest balance.
    const int rows = static_cast<int>(schedule_.rows.size());
    for (int column = 0; column < kColumns; ++column) {
        int width = TextWidth(list, kHeadings[column]);
        for (int row : {0, rows - 1, rows})
            width = std::max(width, TextWidth(list, Cell(row, column)));
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        c.fmt = column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        c.cx = width + kPadding;
        c.pszText = const_cast<char*>(kHeadings[column]);
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
    }
    ListView_SetItemCountEx(list, rows + 1, LVSICF_NOINVALIDATEALL);

    const std::string totals = "Total paid: " + FormatCents(schedule_.totalPaid, look_.separator) +
                               "    Total interest: " + FormatCents(schedule_.totalInterest, look_.separator);
    SetDlgItemTextA(Handle(), IDC_SCHEDULE_TOTALS, totals.c_str());

    // Over the loan window, as the About window opens over it.
    if (const HWND owner = GetWindow(Handle(), GW_OWNER)) {
        const RECT loan = ScreenRect(owner);
        const RECT self = ScreenRect(Handle());
        int x = loan.left + ((loan.right - loan.left) - (self.right - self.left)) / 2;
        int y = loan.top + ((loan.bottom - loan.top) - (self.bottom - self.top)) / 2;
        RECT work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        x = std::max(static_cast<int>(work.left),
                     std::min(x, static_cast<int>(work.right - (self.right - self.left))));
        y = std::max(static_cast<int>(work.top),
                     std::min(y, static_cast<int>(work.bottom - (self.bottom - self.top))));
        SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetFocus(list);
    if (rows > 0) {
        ListView_SetItemState(list, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    return false;
}

std::string CScheduleDlg::Cell(int row, int column) const
{
    const int months = static_cast<int>(schedule_.rows.size());
    if (row < 0 || row > months)
        return {};
    if (row == months) {  // the totals row
        switch (column) {
        case 0: return "Total";
        case 1: return FormatCents(schedule_.totalPaid, look_.separator);
        case 2: return FormatCents(schedule_.totalInterest, look_.separator);
        case 3: return FormatCents(schedule_.totalPaid - schedule_.totalInterest, look_.separator);
        default: return {};
        }
    }
    const ScheduleRow& r = schedule_.rows[static_cast<size_t>(row)];
    switch (column) {
    case 0: return std::to_string(r.month);
    case 1: return FormatCents(r.payment, look_.separator);
    case 2: return FormatCents(r.interest, look_.separator);
    case 3: return FormatCents(r.principal, look_.separator);
    default: return FormatCents(r.balance, look_.separator);
    }
}

int CScheduleDlg::TextWidth(HWND control, const std::string& text) const
{
    HDC dc = GetDC(control);
    if (dc == nullptr)
        return 0;
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

void CScheduleDlg::Copy()
{
    clipboard_.PutText(ScheduleText(schedule_, look_.separator));
}

bool CScheduleDlg::OnCommand(int id, int code, HWND /*control*/)
{
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_SCHEDULE_COPY) {
        Copy();
        return true;
    }
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

bool CScheduleDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), look_.window);
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        result = reinterpret_cast<LRESULT>(background_);
        return true;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom != IDC_SCHEDULE_LIST)
            return false;
        if (header->code == LVN_GETDISPINFOA) {
            auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
            if ((info->item.mask & LVIF_TEXT) != 0 && info->item.pszText != nullptr &&
                info->item.cchTextMax > 0) {
                cell_ = Cell(info->item.iItem, info->item.iSubItem);
                lstrcpynA(info->item.pszText, cell_.c_str(), info->item.cchTextMax);
            }
            result = 0;
            return true;
        }
        if (header->code == LVN_GETDISPINFOW) {
            auto* info = reinterpret_cast<NMLVDISPINFOW*>(lParam);
            if ((info->item.mask & LVIF_TEXT) != 0 && info->item.pszText != nullptr &&
                info->item.cchTextMax > 0) {
                cell_ = Cell(info->item.iItem, info->item.iSubItem);
                MultiByteToWideChar(CP_ACP, 0, cell_.c_str(), -1, info->item.pszText, info->item.cchTextMax);
                info->item.pszText[info->item.cchTextMax - 1] = L'\0';
            }
            result = 0;
            return true;
        }
        return false;
    }
    case WM_CLOSE: End(kEndClosed); return true;
    default: return false;
    }
}

bool CScheduleDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == 'C' && CtrlHeld()) {
        Copy();
        return true;
    }
    // Tab between the list and the buttons, Escape closing, Enter on a button.
    return IsDialogMessageA(Handle(), &msg) != FALSE;
}
