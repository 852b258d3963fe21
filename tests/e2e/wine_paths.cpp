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

bool WriteWholeFile(const std::string& windowsPath, const void* data, size_t size)
{
    HANDLE file = CreateFileA(windowsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
    CloseHandle(file);
    return ok;
}

std::optional<std::string> ReadWholeFile(const std::string& windowsPath)
{
    HANDLE file =
        CreateFileA(windowsPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::string DriverFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder;
}

}  // namespace e2e
