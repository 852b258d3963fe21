#include "clipboard_text.h"

#include "wait.h"

#include <windows.h>

#include <cstring>

namespace e2e {

namespace {

// SetClipboardData fails after EmptyClipboard when the clipboard was opened without a
// window, so the driver owns it through a message-only window of its own.
HWND ClipboardOwner()
{
    static HWND owner = CreateWindowExA(0, "STATIC", "tallyra e2e clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    return owner;
}

// Another process (the program, or Wine's clipboard manager) may hold the clipboard open
// for a moment.
bool OpenWithRetry(HWND owner)
{
    return WaitUntil([&] { return OpenClipboard(owner) != FALSE; });
}

}  // namespace

bool SetClipboardText(const std::string& text)
{
    if (!OpenWithRetry(ClipboardOwner()))
        return false;
    bool ok = false;
    if (EmptyClipboard()) {
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
            if (void* target = GlobalLock(memory)) {
                std::memcpy(target, text.c_str(), text.size() + 1);
                GlobalUnlock(memory);
                ok = SetClipboardData(CF_TEXT, memory) != nullptr;
            }
            if (!ok)
                GlobalFree(memory);
        }
    }
    CloseClipboard();
    return ok;
}

std::optional<std::string> GetClipboardText()
{
    if (!OpenWithRetry(ClipboardOwner()))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            // The block may be larger than the text; the text ends at its terminator.
            text = std::string(chars, strnlen(chars, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace e2e
