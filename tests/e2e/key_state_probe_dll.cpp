// Runs inside the program under test, loaded there by the driver's WH_CALLWNDPROC hook on
// the program's window thread. A key-state table belongs to one thread and no other thread
// can read it: attaching the driver's input to that thread (AttachThreadInput) resets the
// table on Windows and under Wine alike, which would destroy what the test wants to see.
// Menus are per process under Wine, so the system menu too is read from in here, and so is
// where the program's DLLs come from.
#include "key_state_probe_protocol.h"

#include <cstring>

using namespace e2e;

namespace {

template <typename Shared, typename Fill>
void Answer(const char* sharedName, const CWPSTRUCT& sent, Fill fill)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, sharedName);
    if (mapping == nullptr)
        return;
    if (auto* shared =
            static_cast<Shared*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Shared)))) {
        fill(*shared);
        shared->threadId = GetCurrentThreadId();
        // Last: the driver takes the answer as complete once the serial matches.
        shared->serial = static_cast<DWORD>(sent.lParam);
        UnmapViewOfFile(shared);
    }
    CloseHandle(mapping);
}

void ReadKeyState(const CWPSTRUCT& sent)
{
    Answer<KeyStateShared>(kKeyStateSharedName, sent, [&](KeyStateShared& shared) {
        if (sent.wParam == kKeyStateWrite)
            SetKeyboardState(shared.table);
        GetKeyboardState(shared.table);
    });
}

void ReadSystemMenu(const CWPSTRUCT& sent)
{
    Answer<WindowProbeShared>(kWindowProbeSharedName, sent, [&](WindowProbeShared& shared) {
        shared.found = 0;
        shared.itemCount = 0;
        shared.totalItems = 0;
        // FALSE: the window's own copy, which the program has built; TRUE would reset it.
        HMENU menu = GetSystemMenu(sent.hwnd, FALSE);
        if (menu == nullptr)
            return;
        shared.found = 1;
        const int count = GetMenuItemCount(menu);
        shared.totalItems = count < 0 ? 0 : static_cast<DWORD>(count);
        for (int i = 0; i < count && i < kProbeMaxMenuItems; ++i) {
            ProbeMenuItem& item = shared.items[shared.itemCount++];
            std::memset(&item, 0, sizeof item);
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
            info.dwTypeData = item.text;
            info.cch = sizeof item.text - 1;
            if (GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) {
                item.id = info.wID;
                item.type = info.fType;
                item.state = info.fState;
                item.hasSubmenu = info.hSubMenu != nullptr;
            }
        }
    });
}

void ReadDialogFont(const CWPSTRUCT& sent)
{
    Answer<WindowProbeShared>(kWindowProbeSharedName, sent, [&](WindowProbeShared& shared) {
        shared.found = 0;
        std::memset(&shared.font, 0, sizeof shared.font);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(sent.hwnd, WM_GETFONT, 0, 0));
        if (font != nullptr && GetObjectA(font, sizeof shared.font, &shared.font) == sizeof shared.font)
            shared.found = 1;
    });
}

void ReadDllSearch(const CWPSTRUCT& sent)
{
    Answer<DllSearchShared>(kDllSearchSharedName, sent, [&](DllSearchShared& shared) {
        shared.dllName[sizeof shared.dllName - 1] = '\0';
        // By name first, and each one let go again: a DLL already loaded is found by its name
        // wherever it came from.
        HMODULE byName = LoadLibraryA(shared.dllName);
        shared.loadedByName = byName != nullptr;
        if (byName != nullptr)
            FreeLibrary(byName);
        HMODULE fromFolder = LoadLibraryExA(shared.dllName, nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR);
        shared.loadedFromProgramFolder = fromFolder != nullptr;
        if (fromFolder != nullptr)
            FreeLibrary(fromFolder);
        shared.commonControls[0] = '\0';
        if (HMODULE controls = GetModuleHandleA("comctl32.dll"))
            GetModuleFileNameA(controls, shared.commonControls, sizeof shared.commonControls);
    });
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK KeyStateProbeHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT probeMessage = RegisterWindowMessageA(kKeyStateProbeMessage);
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent != nullptr && sent->message == probeMessage) {
        switch (sent->wParam) {
        case kKeyStateRead:
        case kKeyStateWrite: ReadKeyState(*sent); break;
        case kSystemMenuRead: ReadSystemMenu(*sent); break;
        case kDialogFontRead: ReadDialogFont(*sent); break;
        case kDllSearchRead: ReadDllSearch(*sent); break;
        default: break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Sees every message the thread takes from its queue, before it is translated or dispatched.
extern "C" __declspec(dllexport) LRESULT CALLBACK KeyWatchHook(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg != nullptr) {
        const UINT m = msg->message;
        const bool keyUp = m == WM_KEYUP || m == WM_SYSKEYUP;
        const bool down =
            m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_NCLBUTTONDOWN || m == WM_NCLBUTTONDBLCLK;
        const bool up = m == WM_LBUTTONUP || m == WM_NCLBUTTONUP;
        const bool move = m == WM_MOUSEMOVE || m == WM_NCMOUSEMOVE;
        HANDLE mapping = nullptr;
        if ((keyUp || down || up || move) &&
            (mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kKeyWatchSharedName))) {
            auto* shared = static_cast<KeyWatchShared*>(
                MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(KeyWatchShared)));
            if (shared != nullptr) {
                if (move) {
                    // The place first, so that a counted move is never read with an older place.
                    InterlockedExchange(&shared->lastMoveX, msg->pt.x);
                    InterlockedExchange(&shared->lastMoveY, msg->pt.y);
                }
                LONG* counter = move    ? &shared->moves
                                : keyUp ? &shared->releases[msg->wParam & 0xFF]
                                : down  ? &shared->leftDowns
                                        : &shared->leftUps;
                InterlockedIncrement(counter);
                UnmapViewOfFile(shared);
            }
            CloseHandle(mapping);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
