#include "focus_sink.h"

#include "keyboard_input.h"

namespace e2e {

namespace {

HWND SinkWindow()
{
    static HWND sink = [] {
        WNDCLASSA cls{};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        cls.lpszClassName = "TallyraE2eFocusSink";
        RegisterClassA(&cls);
        // Placed in a corner, away from where the calculator opens.
        return CreateWindowExA(WS_EX_TOOLWINDOW, cls.lpszClassName, "tallyra e2e focus sink",
                               WS_POPUP | WS_BORDER, 0, 0, 40, 40, nullptr, nullptr, cls.hInstance, nullptr);
    }();
    return sink;
}

}  // namespace

bool ActivateFocusSink()
{
    HWND sink = SinkWindow();
    if (sink == nullptr)
        return false;
    ShowWindow(sink, SW_SHOW);
    return BringToForeground(sink);
}

void HideFocusSink()
{
    if (HWND sink = SinkWindow())
        ShowWindow(sink, SW_HIDE);
}

}  // namespace e2e
