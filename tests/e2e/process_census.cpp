#include "process_census.h"

#include <winternl.h>

#include <vector>

namespace e2e {

namespace {

// The PEB's GdiSharedHandleTable on x64, and the table's shape: 65536 entries of 24 bytes
// (kernel object, owner, count, type, user pointer). An entry in use has a type.
constexpr size_t kPebGdiTableOffset = 0xF8;
constexpr size_t kGdiEntries = 0x10000;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiTypeOffset = 14;

using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

std::optional<std::map<int, int>> CountGdiObjects(HANDLE process)
{
    static const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    if (query == nullptr)
        return std::nullopt;
    PROCESS_BASIC_INFORMATION basic{};
    if (query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
        basic.PebBaseAddress == nullptr)
        return std::nullopt;
    ULONG_PTR table = 0;
    SIZE_T read = 0;
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    if (!ReadProcessMemory(process, peb + kPebGdiTableOffset, &table, sizeof table, &read) || table == 0)
        return std::nullopt;
    std::vector<BYTE> entries(kGdiEntries * kGdiEntrySize);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(),
                           &read) ||
        read != entries.size())
        return std::nullopt;
    std::map<int, int> used;
    for (size_t i = 0; i < kGdiEntries; ++i)
        if (const int type = entries[i * kGdiEntrySize + kGdiTypeOffset]; type != 0)
            ++used[type];
    return used;
}

struct WindowCount {
    DWORD pid;
    int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param)
{
    ++reinterpret_cast<WindowCount*>(param)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM param)
{
    auto* counting = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == counting->pid) {
        ++counting->count;
        EnumChildWindows(hwnd, CountChild, param);  // children of children too
    }
    return TRUE;
}

// The names of the table's types as Wine's GDI writes them.
std::string TypeName(int type)
{
    switch (type) {
    case 0x01: return "DC";
    case 0x04: return "region";
    case 0x05: return "bitmap";
    case 0x08: return "palette";
    case 0x0a: return "font";
    case 0x10: return "brush";
    case 0x30: return "pen";
    case 0x50: return "extended pen";
    default: return "type " + std::to_string(type);
    }
}

}  // namespace

std::optional<Census> TakeCensus(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr)
        return std::nullopt;
    const std::optional<std::map<int, int>> gdi = CountGdiObjects(process);
    CloseHandle(process);
    if (!gdi)
        return std::nullopt;
    WindowCount windows{pid, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    Census census{0, windows.count, *gdi};
    for (const auto& [type, count] : *gdi)
        census.gdiObjects += count;
    return census;
}

std::string Describe(const Census& census)
{
    return std::to_string(census.gdiObjects) + " GDI objects, " + std::to_string(census.windows) + " windows";
}

}  // namespace e2e

namespace e2e {

std::string DescribeChange(const Census& before, const Census& after)
{
    std::map<int, int> change;
    for (const auto& [type, count] : after.gdiByType)
        change[type] += count;
    for (const auto& [type, count] : before.gdiByType)
        change[type] -= count;
    std::string text;
    for (const auto& [type, difference] : change)
        if (difference != 0)
            text += (text.empty() ? "" : ", ") + TypeName(type) + (difference > 0 ? " +" : " ") +
                    std::to_string(difference);
    return text;
}

}  // namespace e2e
