#include "tooltips.h"

#include <commctrl.h>

#include "resource_text.h"

Tooltips::~Tooltips()
{
    if (tooltip_ != nullptr)
        DestroyWindow(tooltip_);
}

void Tooltips::Create(HWND dialog, const std::vector<std::pair<int, HWND>>& controls)
{
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (tooltip_ == nullptr)
        return;
    for (const auto& [id, child] : controls) {
        if (id <= 0 || LoadResourceString(static_cast<UINT>(id)).empty())
            continue;
        TTTOOLINFOA tool = {};
        // The version 5 layout: accepted by every common-controls version.
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

void Tooltips::Activate(bool on)
{
    if (tooltip_ != nullptr)
        SendMessageA(tooltip_, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

void Tooltips::Relay(const MSG& msg) const
{
    if (tooltip_ == nullptr)
        return;
    switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg)); break;
    default: break;
    }
}

bool Tooltips::OnNotify(const NMHDR* header)
{
    if (tooltip_ == nullptr || header->hwndFrom != tooltip_ || header->code != TTN_GETDISPINFOA)
        return false;
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(header));
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(info->hdr.idFrom));
    text_ = LoadResourceString(static_cast<UINT>(id));
    info->lpszText = const_cast<char*>(text_.c_str());
    return true;
}
