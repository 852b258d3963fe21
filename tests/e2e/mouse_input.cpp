#include "mouse_input.h"

#include "wait.h"

#include <vector>

namespace e2e {

namespace {

INPUT MouseEvent(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute positions are given in 1/65536 of the screen; the middle of the pixel's range
// lands on that pixel whichever way the system rounds.
LONG Normalised(LONG pixel, int screenSize)
{
    return static_cast<LONG>((static_cast<LONGLONG>(pixel) * 65536 + 32768) / screenSize);
}

bool Send(std::vector<INPUT>& events)
{
    return SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT)) == events.size();
}

bool PressesAt(POINT screen, int presses)
{
    if (!MovePointerTo(screen))
        return false;
    std::vector<INPUT> events;
    for (int i = 0; i < presses; ++i) {
        events.push_back(MouseEvent(MOUSEEVENTF_LEFTDOWN));
        events.push_back(MouseEvent(MOUSEEVENTF_LEFTUP));
    }
    return Send(events);
}

}  // namespace

POINT CentreOf(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool MovePointerTo(POINT screen)
{
    std::vector<INPUT> move{MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                                       Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
                                       Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)))};
    if (!Send(move))
        return false;
    // Under Wine the first move in a fresh X session is followed by the X pointer's old place
    // and then the new one again, within about 200 ms; a press in between would land on the
    // old place. So the pointer must stay put for a while, and is moved again if it strays.
    // The bounce after the first move of a run comes late on a busy machine, so that move
    // waits longer.
    static bool settled = false;
    const ULONGLONG kSteadyMs = settled ? 300 : 1500;
    const ULONGLONG kStrayMs = 500;
    ULONGLONG there = 0, away = GetTickCount64();
    const bool steady = WaitUntil([&] {
        POINT at{};
        const ULONGLONG now = GetTickCount64();
        if (GetCursorPos(&at) && at.x == screen.x && at.y == screen.y) {
            if (there == 0)
                there = now;
            return now - there >= kSteadyMs;
        }
        if (there != 0) {
            there = 0;
            away = now;
        }
        if (now - away >= kStrayMs) {
            Send(move);
            away = now;
        }
        return false;
    });
    settled = settled || steady;
    return steady;
}

bool ClickAt(POINT screen)
{
    return PressesAt(screen, 1);
}

bool DoubleClickAt(POINT screen)
{
    return PressesAt(screen, 2);
}

bool PressLeftButton()
{
    std::vector<INPUT> events{MouseEvent(MOUSEEVENTF_LEFTDOWN)};
    return Send(events);
}

bool ReleaseLeftButton()
{
    std::vector<INPUT> events{MouseEvent(MOUSEEVENTF_LEFTUP)};
    return Send(events);
}

}  // namespace e2e
