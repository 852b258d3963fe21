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

// A reader, a virus scanner or an indexer that holds the file for a moment makes the move
// fail in these ways; it goes through once they let go.
bool MayPassLater(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

constexpr int kMoveAttempts = 4;
constexpr DWORD kMoveRetryMs = 50;
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
    // Windows moves no file over a read-only one; Wine (8.0) does. Either way a user who made
    // the file read-only meant it to stay as it is.
    const DWORD attributes = GetFileAttributesA(path_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        reason = DescribeError(ERROR_ACCESS_DENIED);
        return false;
    }
    const std::string temporary = path_ + ".tmp";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = DescribeError(GetLastError());
        return false;
    }
    DWORD written = 0;
    bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
    DWORD error = done ? 0 : GetLastError();
    if (done && written != bytes.size()) {
        done = false;
        error = ERROR_HANDLE_DISK_FULL;
    }
    // On the disk before it takes the file's name: otherwise a power cut could leave that name
    // on a file whose content never reached the disk.
    if (done && !FlushFileBuffers(file)) {
        done = false;
        error = GetLastError();
    }
    CloseHandle(file);
    for (int attempt = 1; done; ++attempt) {
        if (MoveFileExA(temporary.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        error = GetLastError();
        if (attempt == kMoveAttempts || !MayPassLater(error))
            break;
        Sleep(kMoveRetryMs);
    }
    DeleteFileA(temporary.c_str());
    reason = DescribeError(error);
    return false;
}

std::string DescribeError(DWORD error)
{
    char text[512] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  0, text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' '))
        --length;
    char described[600];
    std::snprintf(described, sizeof described, "%.*s (error %lu)", static_cast<int>(length > 0 ? length : 5),
                  length > 0 ? text : "Error", static_cast<unsigned long>(error));
    return described;
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
