#include "app_process.h"

#include <tlhelp32.h>

#include "wait.h"

namespace e2e {

namespace {

std::string TitleOf(HWND hwnd)
{
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

struct TitleSearch {
    const std::string* title;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectTitled(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<TitleSearch*>(param);
    if (TitleOf(hwnd) == *search->title)
        search->found->push_back(hwnd);
    return TRUE;
}

}  // namespace

AppProcess::~AppProcess()
{
    Kill();
    Release();
}

bool AppProcess::Start(const std::string& exePath, std::string& error)
{
    Kill();
    Release();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        error = "CreateProcessA(" + exePath + ") failed with error " + std::to_string(GetLastError());
        info_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

HWND AppProcess::WaitForWindow(const std::string& title, DWORD timeoutMs, HWND except)
{
    window_ = nullptr;
    if (info_.hProcess == nullptr)
        return nullptr;
    const DWORD pid = info_.dwProcessId;
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = WaitForProcessWindow(pid, title, 0, except);
            return found != nullptr || !Running();
        },
        timeoutMs);
    window_ = found;
    return window_;
}

bool AppProcess::Close(DWORD timeoutMs)
{
    if (!Running())
        return true;
    if (window_ != nullptr && IsWindow(window_))
        PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (WaitForExit(timeoutMs))
        return true;
    Kill();
    return false;
}

bool AppProcess::WaitForExit(DWORD timeoutMs)
{
    if (info_.hProcess == nullptr)
        return true;
    return WaitUntil([&] { return !Running(); }, timeoutMs);
}

bool AppProcess::Running() const
{
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD AppProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess != nullptr)
        GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void AppProcess::Kill()
{
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 10000);
    }
}

void AppProcess::Release()
{
    if (info_.hThread != nullptr)
        CloseHandle(info_.hThread);
    if (info_.hProcess != nullptr)
        CloseHandle(info_.hProcess);
    info_ = PROCESS_INFORMATION{};
    window_ = nullptr;
}

std::vector<HWND> TopLevelWindowsTitled(const std::string& title)
{
    std::vector<HWND> found;
    TitleSearch search{&title, &found};
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&search));
    return found;
}

namespace {

struct ProcessSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfProcess(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<ProcessSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->pid)
        search->found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD pid)
{
    ProcessSearch search{pid, {}};
    EnumWindows(CollectOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool ShowsWindowOfClass(DWORD pid, const char* className)
{
    for (HWND hwnd : ProcessWindows(pid)) {
        char name[64] = "";
        GetClassNameA(hwnd, name, sizeof name);
        if (lstrcmpA(name, className) == 0 && IsWindowVisible(hwnd))
            return true;
    }
    return false;
}

std::vector<HWND> ProcessWindowsTitled(DWORD pid, const std::string& title)
{
    std::vector<HWND> found;
    for (HWND hwnd : TopLevelWindowsTitled(title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid)
            found.push_back(hwnd);
    }
    return found;
}

HWND WaitForProcessWindow(DWORD pid, const std::string& title, DWORD timeoutMs, HWND except)
{
    HWND window = nullptr;
    WaitUntil(
        [&] {
            for (HWND hwnd : ProcessWindowsTitled(pid, title)) {
                if (hwnd != except && IsWindowVisible(hwnd)) {
                    window = hwnd;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (window != nullptr) {
        // The title is set and the window shown during initialisation; an answered message
        // means the program has reached its message loop.
        DWORD_PTR result = 0;
        // Generous: the first window of a session waits for Wine's desktop process.
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result))
            window = nullptr;
    }
    return window;
}

std::vector<DWORD> ProcessesRunning(const std::string& exePath)
{
    const size_t slash = exePath.find_last_of("\\/");
    const std::string name = slash == std::string::npos ? exePath : exePath.substr(slash + 1);
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID != GetCurrentProcessId() && lstrcmpiA(entry.szExeFile, name.c_str()) == 0)
            ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

int KillProcessesRunning(const std::string& exePath)
{
    int killed = 0;
    for (DWORD id : ProcessesRunning(exePath)) {
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            if (TerminateProcess(process, 1)) {
                WaitForSingleObject(process, 10000);
                ++killed;
            }
            CloseHandle(process);
        }
    }
    return killed;
}

}  // namespace e2e
