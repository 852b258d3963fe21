#include "resource_text.h"

std::string LoadResourceString(UINT id)
{
    char buffer[512];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string FormatResourceString(UINT id, const std::string& text)
{
    std::string format = LoadResourceString(id);
    const size_t at = format.find("%s");
    if (at != std::string::npos)
        format.replace(at, 2, text);
    return format;
}
