#include "wine_paths.h"

#include <windows.h>

namespace e2e {

std::string ToWindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;

    // Wine's own conversion knows the prefix's drive mappings. It exists only under Wine,
    // so it is looked up at run time.
    using DosNameFn = WCHAR*(CDECL*)(const char*);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto toDos = kernel ? reinterpret_cast<DosNameFn>(
                                    reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")))
                              : nullptr;
    if (toDos != nullptr) {
        if (WCHAR* wide = toDos(path.c_str())) {
            std::string result;
            const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
            if (size > 1) {
                result.resize(size - 1);
                WideCharToMultiByte(CP_ACP, 0, wide, -1, &result[0], size, nullptr, nullptr);
            }
            HeapFree(GetProcessHeap(), 0, wide);
            if (!result.empty())
                return result;
        }
    }
    // Every Wine prefix maps Z: to the host's root unless someone removed it.
    std::string result = "Z:" + path;
    for (char& c : result)
        if (c == '/')
            c = '\\';
    return result;
}

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool EnsureFolder(const std::string& windowsPath)
{
    if (windowsPath.empty())
        return false;
    for (size_t i = 1; i <= windowsPath.size(); ++i) {
        if (i == windowsPath.size() || windowsPath[i] == '\\' || windowsPath[i] == '/') {
            const std::string part = windowsPath.substr(0, i);
            // "Z:" alone is a drive, not a folder to create.
            if (part.size() > 2 || part.back() != ':')
                CreateDirectoryA(part.c_str(), nullptr);
        }
    }
    const DWORD attributes = GetFileAttributesA(windowsPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    const char last = folder.back();
    return (last == '\\' || last == '/') ? folder + name : folder + "\\" + name;
}

} // namespace e2e
