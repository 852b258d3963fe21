#include "window_controls.h"

#include "wait.h"

namespace e2e {

HWND Control(HWND dialog, int id)
{
    return GetDlgItem(dialog, id);
}

testing::AssertionResult Click(HWND dialog, int id)
{
    HWND control = Control(dialog, id);
    if (control == nullptr)
        return testing::AssertionFailure() << "no control " << id;
    if (!IsWindowEnabled(control))
        return testing::AssertionFailure() << "control " << id << " is disabled";
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &result))
        return testing::AssertionFailure() << "BM_CLICK to control " << id << " was not answered";
    return testing::AssertionSuccess();
}

testing::AssertionResult ClickAll(HWND dialog, std::initializer_list<int> ids)
{
    for (int id : ids) {
        testing::AssertionResult clicked = Click(dialog, id);
        if (!clicked)
            return clicked;
    }
    return testing::AssertionSuccess();
}

std::string WindowText(HWND hwnd)
{
    if (hwnd == nullptr)
        return {};
    // GetWindowTextA does not ask another process's window; WM_GETTEXT does, so an owner-
    // drawn panel that keeps its text itself answers too.
    char text[1024] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                             kMessageTimeoutMs, &copied))
        return {};
    return std::string(text, copied < sizeof text ? copied : sizeof text - 1);
}

std::string FullWindowText(HWND hwnd)
{
    if (hwnd == nullptr)
        return {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_NORMAL,
                             kMessageTimeoutMs, &copied))
        return {};
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

int CheckState(HWND dialog, int id)
{
    HWND control = Control(dialog, id);
    DWORD_PTR state = 0;
    if (control == nullptr ||
        !SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &state))
        return -1;
    return static_cast<int>(state);
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(Control(dialog, id));
}

bool IsControlEnabled(HWND dialog, int id)
{
    HWND control = Control(dialog, id);
    return control != nullptr && IsWindowEnabled(control);
}

testing::AssertionResult WaitForControlText(HWND dialog, int id, const std::string& expected, DWORD timeoutMs)
{
    std::string last;
    if (WaitUntil(
            [&] {
                last = ControlText(dialog, id);
                return last == expected;
            },
            timeoutMs))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "control " << id << " reads \"" << last << "\", expected \"" << expected << "\"";
}

RECT WindowRect(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

RECT ControlRect(HWND dialog, int id)
{
    return WindowRect(Control(dialog, id));
}

bool MoveWindowTo(HWND hwnd, int x, int y)
{
    if (!SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
        return false;
    return WaitUntil([&] {
        const RECT r = WindowRect(hwnd);
        return r.left == x && r.top == y;
    });
}

bool PostSystemCommand(HWND hwnd, UINT command)
{
    return PostMessageA(hwnd, WM_SYSCOMMAND, command, 0) != FALSE;
}

bool SendSystemCommand(HWND hwnd, UINT command)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hwnd, WM_SYSCOMMAND, command, 0, SMTO_NORMAL, kMessageTimeoutMs, &result) != 0;
}

bool Sync(HWND hwnd)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &result) != 0;
}

bool OnTheDesktop(HWND window)
{
    const RECT desktop = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                          GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const RECT frame = WindowRect(window);
    RECT common = {};
    return IntersectRect(&common, &desktop, &frame) != FALSE;
}

}  // namespace e2e
