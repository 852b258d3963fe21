#include "win32_clipboard.h"

#include <cstring>

bool Win32Clipboard::PutText(const std::string& text)
{
    // The block is made and filled before the clipboard is opened and emptied, so a failed
    // allocation never costs the user what the clipboard held.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr)
        return false;
    void* bytes = GlobalLock(block);
    if (bytes == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);

    // Another program holding the clipboard open makes this fail at once; no waiting.
    if (!OpenClipboard(owner_)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!placed)
        GlobalFree(block);
    CloseClipboard();
    return placed;
}

bool Win32Clipboard::GetText(std::string& text)
{
    text.clear();
    if (!OpenClipboard(owner_))
        return false;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data == nullptr)
        data = GetClipboardData(CF_OEMTEXT);
    if (data != nullptr) {
        const char* bytes = static_cast<const char*>(GlobalLock(data));
        if (bytes != nullptr) {
            // Another program's data need not end with a zero: never read past the block.
            const size_t size = GlobalSize(data);
            const void* zero = std::memchr(bytes, '\0', size);
            text.assign(bytes,
                        zero != nullptr ? static_cast<size_t>(static_cast<const char*>(zero) - bytes) : size);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return true;
}
