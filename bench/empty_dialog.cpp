// The baseline of the start-up figures: the least a dialog-based program can be. One modal
// dialog from an in-memory template, no controls, no resources, built with the same
// toolchain and link options as the calculator. Closed by the Close command.
#include <windows.h>

#include <cstdint>
#include <cstring>

namespace {

// The same title length class as the calculator's, so that finding it costs the same.
constexpr wchar_t kTitle[] = L"Tallyra Empty Dialog";
constexpr wchar_t kFont[] = L"MS Sans Serif";

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, 0);
        return TRUE;
    case WM_CLOSE: EndDialog(dialog, 0); return TRUE;
    default: return FALSE;
    }
}

// A DLGTEMPLATE with no items; its variable parts are UTF-16 and WORD-aligned.
struct Template {
    alignas(4) uint8_t bytes[256];
    size_t size = 0;

    void Words(const void* data, size_t count)
    {
        std::memcpy(bytes + size, data, count * 2);
        size += count * 2;
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    Template t;
    DLGTEMPLATE header = {};
    header.style =
        DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    header.cx = 180;
    header.cy = 120;
    std::memcpy(t.bytes, &header, sizeof header);
    t.size = sizeof header;
    const WORD none[2] = {0, 0};  // no menu, the default dialog class
    t.Words(none, 2);
    t.Words(kTitle, sizeof kTitle / 2);
    const WORD pointSize = 8;
    t.Words(&pointSize, 1);
    t.Words(kFont, sizeof kFont / 2);
    return static_cast<int>(DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(t.bytes),
                                                    nullptr, DialogProc, 0));
}
