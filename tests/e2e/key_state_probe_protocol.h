// What the driver and the probe library (loaded into the program under test by a hook)
// agree on: the message that asks, the shared memory that answers, and its layout. The
// probe reads what only the program's own window thread can see: its key-state table, its
// windows' system menus (Wine keeps menus per process) and the font a dialog was made with.
#pragma once

#include <windows.h>

namespace e2e {

// Registered window message: wParam is one of the requests, lParam a serial number that the
// answer repeats, so a stale answer is never taken for a fresh one.
constexpr const char* kKeyStateProbeMessage = "TallyraE2eKeyStateProbe";
constexpr WPARAM kKeyStateRead = 0;
// Writes the table in the shared memory into the thread's state first, then reads it back.
constexpr WPARAM kKeyStateWrite = 1;
// Lists the system menu of the window the message was sent to.
constexpr WPARAM kSystemMenuRead = 2;
// Describes the font the window answers WM_GETFONT with (wParam 0): a dialog's template font.
constexpr WPARAM kDialogFontRead = 3;
// Loads a DLL by its name alone, as the program's own loads are made, and names the common
// controls the program took.
constexpr WPARAM kDllSearchRead = 4;

// Named file mapping that the driver creates and the probe opens.
constexpr const char* kKeyStateSharedName = "TallyraE2eKeyStateTable";

// Every answer begins with these two fields.
struct ProbeAnswerHeader {
    DWORD serial;    // lParam of the request that was answered
    DWORD threadId;  // the thread that answered
};

struct KeyStateShared {
    DWORD serial;    // lParam of the request that was answered
    DWORD threadId;  // the thread whose table this is
    BYTE table[256];
};

// The answers to kSystemMenuRead and kDialogFontRead.
constexpr const char* kWindowProbeSharedName = "TallyraE2eWindowProbe";
constexpr int kProbeMenuTextSize = 128;
constexpr int kProbeMaxMenuItems = 64;

struct ProbeMenuItem {
    UINT id;
    UINT type;   // MENUITEMINFO fType: MFT_SEPARATOR, MFT_RADIOCHECK, ...
    UINT state;  // MENUITEMINFO fState: MFS_CHECKED, MFS_GRAYED, ...
    UINT hasSubmenu;
    char text[kProbeMenuTextSize];
};

struct WindowProbeShared {
    DWORD serial;
    DWORD threadId;
    DWORD found;       // 1 when the menu or the font was there to read
    DWORD itemCount;   // menu items in `items`, at most kProbeMaxMenuItems
    DWORD totalItems;  // what GetMenuItemCount said
    ProbeMenuItem items[kProbeMaxMenuItems];
    LOGFONTA font;
};

// The answer to kDllSearchRead.
constexpr const char* kDllSearchSharedName = "TallyraE2eDllSearch";

struct DllSearchShared {
    DWORD serial;
    DWORD threadId;
    char dllName[64];               // asked: a DLL that lies beside the program only
    DWORD loadedByName;             // LoadLibraryA with the bare name found it
    DWORD loadedFromProgramFolder;  // ... and LoadLibraryExA told to look beside the program did
    char commonControls[MAX_PATH];  // the file of the program's comctl32.dll; empty: none loaded
};

// A second hook of the probe library, WH_GETMESSAGE: it counts the key releases and the left
// mouse button's presses and releases that the thread takes from its queue, and keeps where
// the last pointer move it took happened, so the driver knows when real input has reached the
// program.
constexpr const char* kKeyWatchSharedName = "TallyraE2eKeyWatch";
constexpr const char* kKeyWatchProc = "KeyWatchHook";

struct KeyWatchShared {
    LONG releases[256];  // WM_KEYUP and WM_SYSKEYUP taken, by virtual key
    LONG leftDowns;      // WM_LBUTTONDOWN and WM_LBUTTONDBLCLK, client and non-client
    LONG leftUps;        // WM_LBUTTONUP, client and non-client
    LONG moves;          // WM_MOUSEMOVE and WM_NCMOUSEMOVE taken
    LONG lastMoveX;      // the screen point of the last of them
    LONG lastMoveY;
};

// The hook procedure the probe library exports, by name.
constexpr const char* kKeyStateProbeProc = "KeyStateProbeHook";
constexpr const char* kKeyStateProbeLibrary = "e2e_key_state_probe.dll";

}  // namespace e2e
