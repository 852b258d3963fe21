#pragma once
#include <string>

#include "clipboard_port.h"

// A clipboard made of one text, which a test can make busy as another program holding it
// open would. Header-only, so that the fuzz targets take the same one.
class FakeClipboard : public IClipboard {
public:
    bool PutText(const std::string& value) override
    {
        if (!open)
            return false;
        text = value;
        ++puts;
        return true;
    }
    bool GetText(std::string& value) override
    {
        if (!open)
            return false;
        value = text;
        return true;
    }

    std::string text;
    bool open = true;  // false: held open by another program
    int puts = 0;
};
