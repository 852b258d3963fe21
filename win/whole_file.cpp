#include "whole_file.h"

#include <cstdio>

namespace {

// A reader, a virus scanner or an indexer that holds the file for a moment makes the move
// fail in these ways; it goes through once they let go.
bool MayPassLater(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

constexpr int kMoveAttempts = 4;
constexpr DWORD kMoveRetryMs = 50;

}  // namespace

bool WriteFileWhole(const std::string& path, const std::string& bytes, std::string& reason)
{
    // Windows moves no file over a read-only one; Wine (8.0) does. Either way a user who made
    // the file read-only meant it to stay as it is.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        reason = DescribeError(ERROR_ACCESS_DENIED);
        return false;
    }
    const std::string temporary = path + ".tmp";
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
        if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
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
