#include "emblem_wnd.h"

#include <ctime>

namespace {

constexpr UINT_PTR kDefaultTimerId = 2;
constexpr UINT kFramePeriodMs = 55;

uint32_t Now()
{
    return static_cast<uint32_t>(std::time(nullptr));
}

}  // namespace

// Draws a frame on the control's device context.
class EmblemDcCanvas : public EmblemCanvas {
public:
    EmblemDcCanvas(CEmblemWnd& owner, HDC dc, const RECT& client) : owner_(owner), dc_(dc), client_(client) {}
    ~EmblemDcCanvas() override
    {
        if (oldPen_ != nullptr)
            SelectObject(dc_, oldPen_);
    }

    void FillBackground() override
    {
        SetBkColor(dc_, owner_.background_);
        FillRect(dc_, &client_, owner_.backgroundBrush_);
    }
    void SetPixel(int32_t x, int32_t y, Color color) override { ::SetPixel(dc_, x, y, color); }
    void DrawTrailLine(int32_t k, const TrailLine& line) override
    {
        const size_t index = static_cast<size_t>(k);
        if (k < 0 || index >= owner_.pens_.size() || owner_.pens_[index] == nullptr)
            return;
        HGDIOBJ previous = SelectObject(dc_, owner_.pens_[index]);
        if (oldPen_ == nullptr)
            oldPen_ = previous;
        MoveToEx(dc_, line.x1, line.y1, nullptr);
        LineTo(dc_, line.x2, line.y2);
    }
    void TrailCreated(const LineTrail& trail) override { owner_.CreatePens(trail); }

private:
    CEmblemWnd& owner_;
    HDC dc_;
    RECT client_;
    HGDIOBJ oldPen_ = nullptr;
};

CEmblemWnd::CEmblemWnd() : backgroundBrush_(CreateSolidBrush(kEmblemBackground)), animation_(Now()) {}

CEmblemWnd::~CEmblemWnd()
{
    Detach();
    DeletePens();
    if (backgroundBrush_ != nullptr)
        DeleteObject(backgroundBrush_);
}

void CEmblemWnd::StartAnimation(UINT_PTR timerId)
{
    if (timerId == 0)
        timerId = kDefaultTimerId;
    if (Handle() != nullptr && SetTimer(Handle(), timerId, kFramePeriodMs, nullptr) != 0)
        timerId_ = timerId;
}

LRESULT CEmblemWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        if (dc != nullptr)
            Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_TIMER: {
        const LRESULT result = Default(message, wParam, lParam);
        // Only a request: the frame itself is drawn by the paint that follows.
        if (timerId_ != 0 && wParam == timerId_)
            InvalidateRect(Handle(), nullptr, FALSE);
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = Default(message, wParam, lParam);
        if (wParam != SIZE_MINIMIZED) {
            InvalidateRect(Handle(), nullptr, TRUE);
            animation_.Resize(ClientArea());
        }
        return result;
    }
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush_);
        return 1;
    }
    default: return Default(message, wParam, lParam);
    }
}

void CEmblemWnd::Paint(HDC dc)
{
    RECT client;
    GetClientRect(Handle(), &client);
    EmblemDcCanvas canvas(*this, dc, client);
    animation_.Paint(ClientArea(), Now(), canvas);
}

void CEmblemWnd::CreatePens(const LineTrail& trail)
{
    DeletePens();
    pens_.reserve(static_cast<size_t>(trail.LineCount()));
    for (int32_t k = 0; k < trail.LineCount(); ++k)
        pens_.push_back(CreatePen(PS_SOLID, 1, TrailLineColor(k, trail.TrailLength(), background_)));
}

void CEmblemWnd::DeletePens()
{
    for (HPEN pen : pens_) {
        if (pen != nullptr)
            DeleteObject(pen);
    }
    pens_.clear();
}

EmblemRect CEmblemWnd::ClientArea() const
{
    RECT client = {0, 0, 0, 0};
    if (Handle() != nullptr)
        GetClientRect(Handle(), &client);
    return {client.left, client.top, client.right, client.bottom};
}
