#include "balance_chart_window.h"

#include <vector>

namespace {

constexpr const char* kClassName = "TallyraBalanceChart";
constexpr int kMargin = 4;  // pixels between the edge and the labels and plot

std::vector<POINT> Shifted(const std::vector<ChartPoint>& points, int left, int top)
{
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const ChartPoint& p : points)
        out.push_back(POINT{left + p.x, top + p.y});
    return out;
}

void DrawLine(HDC dc, const std::vector<POINT>& points, int width, COLORREF color)
{
    if (points.size() < 2)
        return;
    const HPEN pen = CreatePen(PS_SOLID, width, color);
    const HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, points.data(), static_cast<int>(points.size()));
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace

bool CBalanceChart::Register()
{
    WNDCLASSA existing = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &existing))
        return true;
    // A plain window: everything it does is done by the object that subclasses it.
    WNDCLASSA c = {};
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = DefWindowProcA;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    c.lpszClassName = kClassName;
    return ::RegisterClassA(&c) != 0;
}

void CBalanceChart::SetLook(HFONT font, COLORREF text, COLORREF back)
{
    font_ = font;
    colors_ = ChartColorsOf(text, back);
    Invalidate();
}

void CBalanceChart::SetSchedules(const PaymentSchedule* shown, const PaymentSchedule* without, char separator)
{
    shown_ = shown;
    without_ = without;
    separator_ = separator;
    laidWidth_ = laidHeight_ = -1;
    Invalidate();
}

LRESULT CBalanceChart::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(Handle(), &ps);
        RECT client = {};
        GetClientRect(Handle(), &client);
        // Drawn into a bitmap and copied at once; drawn straight when there is no memory.
        const HDC memory = CreateCompatibleDC(dc);
        const HBITMAP bitmap =
            memory != nullptr ? CreateCompatibleBitmap(dc, client.right, client.bottom) : nullptr;
        if (bitmap != nullptr) {
            const HGDIOBJ old = SelectObject(memory, bitmap);
            Paint(memory, client);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteObject(bitmap);
        } else {
            Paint(dc, client);
        }
        if (memory != nullptr)
            DeleteDC(memory);
        EndPaint(Handle(), &ps);
        return 0;
    }
    default: return Default(message, wParam, lParam);
    }
}

void CBalanceChart::Paint(HDC dc, const RECT& client)
{
    const HBRUSH back = CreateSolidBrush(colors_.back);
    FillRect(dc, &client, back);
    DeleteObject(back);
    if (shown_ == nullptr)
        return;

    const HGDIOBJ oldFont = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int textHeight = metrics.tmHeight;

    // The amount above the plot at the left, the months under it at both ends.
    const RECT plot = {client.left + kMargin, client.top + kMargin + textHeight + 2, client.right - kMargin,
                       client.bottom - kMargin - textHeight - 2};
    const int width = plot.right - plot.left, height = plot.bottom - plot.top;
    if (width != laidWidth_ || height != laidHeight_) {
        layout_ = LayOutChart(*shown_, without_, width, height);
        labels_ = ChartLabelsOf(*shown_, without_, separator_);
        laidWidth_ = width;
        laidHeight_ = height;
    }
    const ChartLayout& layout = layout_;
    const ChartLabels& labels = labels_;

    // The share of interest in each month's payment, as one shape of columns along the bottom.
    if (!layout.interestHeights.empty()) {
        std::vector<POINT> area;
        area.reserve(layout.interestHeights.size() * 2 + 2);
        const int bottom = plot.top + height - 1;
        area.push_back(POINT{plot.left, bottom});
        for (size_t x = 0; x < layout.interestHeights.size(); ++x) {
            const int top = bottom - layout.interestHeights[x];
            area.push_back(POINT{plot.left + static_cast<int>(x), top});
            area.push_back(POINT{plot.left + static_cast<int>(x) + 1, top});
        }
        area.push_back(POINT{plot.left + width, bottom});
        const HBRUSH fill = CreateSolidBrush(colors_.interest);
        const HPEN none = CreatePen(PS_NULL, 0, 0);
        const HGDIOBJ oldBrush = SelectObject(dc, fill);
        const HGDIOBJ oldPen = SelectObject(dc, none);
        Polygon(dc, area.data(), static_cast<int>(area.size()));
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(none);
        DeleteObject(fill);
    }

    // The axes, and a dotted mark where the payments start to go mostly to the principal.
    DrawLine(
        dc,
        {POINT{plot.left, plot.top}, POINT{plot.left, plot.bottom - 1}, POINT{plot.right, plot.bottom - 1}},
        1, colors_.frame);
    if (layout.mostlyPrincipalX >= 0) {
        const HPEN dots = CreatePen(PS_DOT, 1, colors_.frame);
        const HGDIOBJ old = SelectObject(dc, dots);
        SetBkMode(dc, TRANSPARENT);
        MoveToEx(dc, plot.left + layout.mostlyPrincipalX, plot.top, nullptr);
        LineTo(dc, plot.left + layout.mostlyPrincipalX, plot.bottom - 1);
        SelectObject(dc, old);
        DeleteObject(dots);
    }

    DrawLine(dc, Shifted(layout.without, plot.left, plot.top), 1, colors_.without);
    DrawLine(dc, Shifted(layout.balance, plot.left, plot.top), 2, colors_.balance);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colors_.balance);
    RECT top = {plot.left, client.top + kMargin, plot.right, plot.top};
    DrawTextA(dc, labels.amount.c_str(), -1, &top, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    RECT under = {plot.left, plot.bottom + 2, plot.right, client.bottom};
    DrawTextA(dc, "0", -1, &under, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    DrawTextA(dc, labels.months.c_str(), -1, &under, DT_RIGHT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    if (oldFont != nullptr)
        SelectObject(dc, oldFont);
}
