#include "win32_settings_file.h"

#include <cstdio>

namespace {

// The name of the lock of one file: kernel object names take no backslash after their
// namespace, and Windows paths name the same file in any case.
std::string MutexName(const std::string& path)
{
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : path) {
        hash ^= static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        hash *= 1099511628211ull;
    }
    char name[64];
    std::snprintf(name, sizeof name, "Local\\Tallyra settings %016llx",
                  static_cast<unsigned long long>(hash));
    return name;
}

// Long enough for any save of another program; a lock held longer is not waited for.
constexpr DWORD kLockWaitMs = 10000;

}  // namespace

Win32SettingsFile::Win32SettingsFile(std::string path)
    : path_(std::move(path)), mutex_(CreateMutexA(nullptr, FALSE, MutexName(path_).c_str()))
{
}

Win32SettingsFile::~Win32SettingsFile()
{
    Unlock();
    if (mutex_ != nullptr)
        CloseHandle(mutex_);
}

void Win32SettingsFile::Lock()
{
    // A program killed while it held the lock leaves it abandoned, which hands it on.
    const DWORD waited = mutex_ != nullptr ? WaitForSingleObject(mutex_, kLockWaitMs) : WAIT_FAILED;
    locked_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

void Win32SettingsFile::Unlock()
{
    if (locked_)
        ReleaseMutex(mutex_);
    locked_ = false;
}

FileRead Win32SettingsFile::Read(std::string& bytes, size_t limit, std::string& reason)
{
    bytes.clear();
    // Shared every way, so that a program reading the file never makes another's replace fail.
    HANDLE file =
        CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return FileRead::Missing;
        reason = DescribeError(error);
        return FileRead::Failed;
    }
    FileRead result = FileRead::Read;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        reason = DescribeError(GetLastError());
        result = FileRead::Failed;
    } else if (static_cast<unsigned long long>(size.QuadPart) > limit) {
        result = FileRead::TooLarge;  // known by its size: not one byte of it is read
    } else {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        size_t at = 0;
        while (at < bytes.size()) {
            DWORD got = 0;
            if (!ReadFile(file, &bytes[at], static_cast<DWORD>(bytes.size() - at), &got, nullptr)) {
                reason = DescribeError(GetLastError());
                result = FileRead::Failed;
                break;
            }
            if (got == 0)
                break;  // it became shorter meanwhile
            at += got;
        }
        bytes.resize(result == FileRead::Read ? at : 0);
    }
    CloseHandle(file);
    return result;
}

bool Win32SettingsFile::Replace(const std::string& bytes, std::string& reason)
{
    return WriteFileWhole(path_, bytes, reason);
}

std::unique_ptr<IRegistry> OpenSettingsBesideProgram(const char* name, IniRegistry::Report report)
{
    std::string path(32768, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size())
        return nullptr;
    path.resize(length);
    path.erase(path.find_last_of("\\/") + 1);
    path += name;
    // Only a file that is certainly not there makes the registry the store: one that is there
    // but cannot be read still keeps every setting out of the registry.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return nullptr;
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return nullptr;
    }
    return std::unique_ptr<IRegistry>(
        new IniRegistry(std::unique_ptr<ISettingsFile>(new Win32SettingsFile(path)), std::move(report)));
}
