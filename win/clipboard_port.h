#pragma once
#include <string>

// The system clipboard as plain single-byte text. Both report success; a failure changes
// nothing (a failed Put leaves the clipboard as it was, a failed Get yields no text).
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual bool PutText(const std::string& text) = 0;
    virtual bool GetText(std::string& text) = 0;
};
