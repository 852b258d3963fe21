// One run of the program under test: started with CreateProcessA, found by its exact window
// title, closed the way a user closes it, and killed if it will not go, so that a failed
// test never leaves a window behind that would make the next start exit at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class AppProcess {
public:
    AppProcess() = default;
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    // Starts `exePath` (a Windows path); on failure `error` says why.
    bool Start(const std::string& exePath, std::string& error);

    // Waits until this process shows a visible top-level window with exactly this title and
    // answers messages; null when it does not within the timeout (or the process ended).
    // `except` is not taken: a window that is being replaced by a new one.
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs, HWND except = nullptr);

    // Sends the Close system command, as the close box and Alt+F4 do, and waits for the
    // process to end. Returns false, after killing it, when it did not end by itself.
    bool Close(DWORD timeoutMs);

    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;
    // The exit code once the process has ended; STILL_ACTIVE before.
    DWORD ExitCode() const;
    // Ends the process if it still runs; does nothing otherwise.
    void Kill();

    HWND Window() const { return window_; }
    DWORD ProcessId() const { return info_.dwProcessId; }

private:
    void Release();

    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

// Every visible or hidden top-level window whose title is exactly `title`.
std::vector<HWND> TopLevelWindowsTitled(const std::string& title);

// Every top-level window of process `pid`, in z-order (the top first), visible or hidden.
std::vector<HWND> ProcessWindows(DWORD pid);

// Whether process `pid` shows a top-level window of this class (a menu is "#32768").
bool ShowsWindowOfClass(DWORD pid, const char* className);

// The top-level windows of process `pid` titled exactly `title`, visible or hidden.
std::vector<HWND> ProcessWindowsTitled(DWORD pid, const std::string& title);

// Waits until process `pid` shows a visible top-level window titled exactly `title`, other
// than `except`, that answers messages; null when none does within the timeout.
HWND WaitForProcessWindow(DWORD pid, const std::string& title, DWORD timeoutMs, HWND except = nullptr);

// The ids of the processes other than the driver that run the program at `exePath` (matched
// by its file name, so a bare file name will do).
std::vector<DWORD> ProcessesRunning(const std::string& exePath);

// Ends every process that runs the program at `exePath` (matched by its file name), with or
// without a window: leftovers of a failed test or run, which would make every start exit at
// once and, still holding the test's output, keep ctest waiting. Returns how many it ended.
int KillProcessesRunning(const std::string& exePath);

}  // namespace e2e
