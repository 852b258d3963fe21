#include "keyboard_input.h"

#include "wait.h"

#include <vector>

namespace e2e {

namespace {

// Keys whose scan code carries the E0 prefix; without the flag the system would take them
// for their numeric-pad twins.
bool IsExtendedKey(WORD vk)
{
    switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_RCONTROL:
    case VK_RMENU: return true;
    default: return false;
    }
}

INPUT KeyEvent(WORD vk, bool down)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

bool Send(std::vector<INPUT>& events)
{
    if (events.empty())
        return true;
    const UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    return sent == events.size();
}

void AddChord(std::vector<INPUT>& events, const std::vector<WORD>& modifiers, WORD vk)
{
    for (WORD modifier : modifiers)
        events.push_back(KeyEvent(modifier, true));
    events.push_back(KeyEvent(vk, true));
    events.push_back(KeyEvent(vk, false));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        events.push_back(KeyEvent(*it, false));
}

}  // namespace

bool BringToForeground(HWND hwnd)
{
    if (GetForegroundWindow() == hwnd)
        return true;
    if (IsIconic(hwnd))
        ShowWindow(hwnd, SW_RESTORE);
    SetForegroundWindow(hwnd);
    // Activation reaches the other process as a message; input sent before it arrives would
    // go to the previous foreground window.
    return WaitUntil([&] { return GetForegroundWindow() == hwnd; });
}

bool TypeText(const std::string& text)
{
    std::vector<INPUT> events;
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        if (scan == -1)
            return false;
        const WORD vk = LOBYTE(scan);
        const BYTE shifts = HIBYTE(scan);
        std::vector<WORD> modifiers;
        if (shifts & 1)
            modifiers.push_back(VK_SHIFT);
        if (shifts & 2)
            modifiers.push_back(VK_CONTROL);
        if (shifts & 4)
            modifiers.push_back(VK_MENU);
        AddChord(events, modifiers, vk);
    }
    return Send(events);
}

bool PressKey(WORD vk)
{
    return PressChord({}, vk);
}

bool PressChord(std::initializer_list<WORD> modifiers, WORD vk)
{
    std::vector<INPUT> events;
    AddChord(events, std::vector<WORD>(modifiers), vk);
    return Send(events);
}

bool KeyDown(WORD vk)
{
    std::vector<INPUT> events{KeyEvent(vk, true)};
    return Send(events);
}

bool KeyUp(WORD vk)
{
    std::vector<INPUT> events{KeyEvent(vk, false)};
    return Send(events);
}

}  // namespace e2e
