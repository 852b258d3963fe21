#include "fonts.h"

HFONT CreateBoldFont(HFONT font)
{
    LOGFONTA description;
    if (font == nullptr || GetObjectA(font, sizeof description, &description) != sizeof description)
        return nullptr;
    description.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&description);
}

TextMeasure::~TextMeasure()
{
    if (dc_ != nullptr)
        DeleteDC(dc_);
}

int TextMeasure::Width(HFONT font, const std::string& text)
{
    if (dc_ == nullptr) {
        dc_ = CreateCompatibleDC(nullptr);
        if (dc_ == nullptr)
            return 0;
    }
    // Selected only while measuring: the font belongs to the caller.
    const HGDIOBJ old =
        SelectObject(dc_, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc_, old);
    return size.cx;
}
