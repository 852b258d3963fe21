#include "probe_client.h"

#include "key_state_probe_protocol.h"
#include "window_controls.h"
#include "wine_paths.h"

#include <string>

namespace e2e {

HMODULE ProbeLibrary()
{
    static HMODULE library = LoadLibraryA((DriverFolder() + kKeyStateProbeLibrary).c_str());
    return library;
}

bool AskProbe(HWND window, WPARAM request, const char* sharedName, size_t sharedSize,
              const std::function<void(void*)>& prepare, const std::function<void(const void*)>& take)
{
    static DWORD serial = 0;
    HMODULE library = ProbeLibrary();
    const auto proc =
        library
            ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, kKeyStateProbeProc)))
            : nullptr;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (proc == nullptr || thread == 0 || sharedSize < sizeof(ProbeAnswerHeader))
        return false;

    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        static_cast<DWORD>(sharedSize), sharedName);
    if (mapping == nullptr)
        return false;
    bool answered = false;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sharedSize)) {
        auto* header = static_cast<ProbeAnswerHeader*>(view);
        header->serial = 0;
        if (prepare)
            prepare(view);
        // The system loads the library into the program when the hook first runs there.
        if (HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, proc, library, thread)) {
            const DWORD asked = ++serial;
            DWORD_PTR result = 0;
            static const UINT probeMessage = RegisterWindowMessageA(kKeyStateProbeMessage);
            if (SendMessageTimeoutA(window, probeMessage, request, asked, SMTO_NORMAL, kMessageTimeoutMs,
                                    &result) &&
                header->serial == asked && header->threadId == thread) {
                answered = true;
                if (take)
                    take(view);
            }
            UnhookWindowsHookEx(hook);
        }
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return answered;
}

}  // namespace e2e
