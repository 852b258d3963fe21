#include "thread_key_state.h"

#include "key_state_probe_protocol.h"
#include "window_controls.h"

#include <cstring>
#include <string>

namespace e2e {

namespace {

HMODULE ProbeLibrary()
{
    static HMODULE library = [] {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, sizeof path);
        std::string folder(path);
        folder.erase(folder.find_last_of("\\/") + 1);
        return LoadLibraryA((folder + kKeyStateProbeLibrary).c_str());
    }();
    return library;
}

// One request answered inside the window's thread. With `write`, `table` goes in first.
std::optional<KeyStateTable> Probe(HWND window, const KeyStateTable* write)
{
    static DWORD serial = 0;
    HMODULE library = ProbeLibrary();
    const auto proc =
        library
            ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, kKeyStateProbeProc)))
            : nullptr;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (proc == nullptr || thread == 0)
        return std::nullopt;

    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(KeyStateShared), kKeyStateSharedName);
    if (mapping == nullptr)
        return std::nullopt;
    std::optional<KeyStateTable> result;
    auto* shared = static_cast<KeyStateShared*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(KeyStateShared)));
    if (shared != nullptr) {
        shared->serial = 0;
        if (write != nullptr)
            std::memcpy(shared->table, write->data(), sizeof shared->table);
        // The system loads the library into the program when the hook first runs there.
        if (HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, proc, library, thread)) {
            const DWORD request = ++serial;
            DWORD_PTR answer = 0;
            static const UINT probeMessage = RegisterWindowMessageA(kKeyStateProbeMessage);
            if (SendMessageTimeoutA(window, probeMessage, write ? kKeyStateWrite : kKeyStateRead, request,
                                    SMTO_NORMAL, kMessageTimeoutMs, &answer) &&
                shared->serial == request && shared->threadId == thread) {
                KeyStateTable table;
                std::memcpy(table.data(), shared->table, table.size());
                result = table;
            }
            UnhookWindowsHookEx(hook);
        }
        UnmapViewOfFile(shared);
    }
    CloseHandle(mapping);
    return result;
}

} // namespace

std::optional<KeyStateTable> ReadWindowThreadKeyState(HWND window)
{
    return Probe(window, nullptr);
}

bool SetWindowThreadKeyToggled(HWND window, BYTE vk, bool on)
{
    std::optional<KeyStateTable> table = Probe(window, nullptr);
    if (!table)
        return false;
    (*table)[vk] = on ? ((*table)[vk] | 1) : ((*table)[vk] & ~1);
    const std::optional<KeyStateTable> after = Probe(window, &*table);
    return after.has_value() && (((*after)[vk] & 1) != 0) == on;
}

} // namespace e2e
