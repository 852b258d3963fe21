// Runs inside the program under test, loaded there by the driver's WH_CALLWNDPROC hook on
// the program's window thread. A key-state table belongs to one thread and no other thread
// can read it: attaching the driver's input to that thread (AttachThreadInput) resets the
// table on Windows and under Wine alike, which would destroy what the test wants to see.
#include "key_state_probe_protocol.h"

using namespace e2e;

extern "C" __declspec(dllexport) LRESULT CALLBACK KeyStateProbeHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT probeMessage = RegisterWindowMessageA(kKeyStateProbeMessage);
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent != nullptr && sent->message == probeMessage) {
        if (HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kKeyStateSharedName)) {
            if (auto* shared = static_cast<KeyStateShared*>(
                    MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(KeyStateShared)))) {
                if (sent->wParam == kKeyStateWrite)
                    SetKeyboardState(shared->table);
                GetKeyboardState(shared->table);
                shared->threadId = GetCurrentThreadId();
                shared->serial = static_cast<DWORD>(sent->lParam);
                UnmapViewOfFile(shared);
            }
            CloseHandle(mapping);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
