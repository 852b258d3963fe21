#include "running_instance.h"

#include <string>

#include "instance_rules.h"

namespace {

// Room for the longest path Windows knows, not only MAX_PATH: a truncated path loses exactly
// the file name that is compared.
constexpr DWORD kPathChars = 32768;

std::string OwnImage()
{
    std::string path(kPathChars, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], kPathChars);
    path.resize(length < kPathChars ? length : 0);
    return path;
}

// The image of process `pid`; empty when the process cannot be asked (another user's, or one
// that has just ended).
std::string ImageOf(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr)
        return {};
    std::string path(kPathChars, '\0');
    DWORD length = kPathChars;
    path.resize(QueryFullProcessImageNameA(process, 0, &path[0], &length) ? length : 0);
    CloseHandle(process);
    return path;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

HWND FindEarlierInstance(const char* title)
{
    const std::string ours = OwnImage();
    // FindWindowExA with no parent is FindWindowA's look-up among the top-level windows; from
    // a window found, it goes on to the next of the same title. None of these calls sends the
    // windows a message.
    for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, title); window != nullptr;
         window = FindWindowExA(nullptr, window, nullptr, title)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        const std::string theirs = pid == GetCurrentProcessId() ? ours : ImageOf(pid);
        if (IsWindowOfThisProgram(ClassOf(window), theirs, ours))
            return window;
    }
    return nullptr;
}

void BringForward(HWND window)
{
    SetForegroundWindow(window);
    // ShowWindow would wait for the other program's thread to carry it out, forever when that
    // one hangs; the asynchronous call only queues it. A window that is not minimised is left
    // as it is: a restore would also bring a maximised one back to its normal size.
    if (IsIconic(window))
        ShowWindowAsync(window, SW_RESTORE);
}
