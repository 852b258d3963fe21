#include "system_function.h"

#include <cstring>

namespace {

// Named without a path, the DLL is looked for only in the system folder; the loader applies
// the program's manifest first. Its documented order for the LOAD_LIBRARY_SEARCH_* flags
// (Microsoft Learn, "Dynamic-link library search order", unpackaged apps) is DLL redirection,
// API sets, side-by-side manifest redirection, the loaded modules, the KnownDLLs, and only
// then the folders the flags name; so with the Styled edition's dependency on
// Microsoft.Windows.Common-Controls 6.0 "comctl32.dll" still comes from WinSxS in version 6
// (Wine does the same: its path is then under C:\windows\winsxs), and without it from
// system32. Hence the bare name, never a full path.
HMODULE LoadFromSystemFolder(const char* dll)
{
    HMODULE module = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || GetLastError() != ERROR_INVALID_PARAMETER)
        return module;
    // A Windows 7 without KB2533623 does not know the flag and refuses the call: the DLL is
    // then named by its full path in the system folder, which nothing beside the program can
    // stand in for. Whether that loader still redirects the path to the Styled edition's
    // version 6 is not documented; the program works with either version.
    char path[MAX_PATH];
    const UINT folder = GetSystemDirectoryA(path, MAX_PATH);
    const size_t name = std::strlen(dll);
    if (folder == 0 || folder + 1 + name >= MAX_PATH)
        return nullptr;
    path[folder] = '\\';
    std::memcpy(path + folder + 1, dll, name + 1);
    // The DLL's own imports are then looked for in its folder first, the system folder.
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void LoadDllsFromSystemFolderOnly()
{
    // Taken at run time: the function came with KB2533623, and a Windows 7 without that
    // update must still start the program rather than refuse it for a missing import.
    typedef BOOL(WINAPI SetDefaultDllDirectoriesFunction)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto* setDefault = kernel != nullptr
                           ? reinterpret_cast<SetDefaultDllDirectoriesFunction*>(reinterpret_cast<void (*)()>(
                                 GetProcAddress(kernel, "SetDefaultDllDirectories")))
                           : nullptr;
    if (setDefault != nullptr)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

FARPROC SystemProc(const char* dll, const char* name)
{
    HMODULE module = GetModuleHandleA(dll);
    if (module == nullptr)
        module = LoadFromSystemFolder(dll);
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}
