#pragma once
#include <windows.h>

#include "clipboard_port.h"

// The system clipboard as plain single-byte text, owned by one window.
class Win32Clipboard : public IClipboard {
public:
    explicit Win32Clipboard(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    bool PutText(const std::string& text) override;
    bool GetText(std::string& text) override;

private:
    HWND owner_;
};
