#pragma once
#include <cstdint>

// How a window answers Windows' two questions at the end of a session: WM_QUERYENDSESSION
// (may it end?) and WM_ENDSESSION (it ends, or not after all). Windows' Restart Manager, which
// an installer uses to close a running program before it replaces its files, asks the same
// two with ENDSESSION_CLOSEAPP in the flags and then waits for the program to end by itself.

// ENDSESSION_CLOSEAPP as Windows defines it (a window-free copy; the Win32 side checks it).
constexpr uint32_t kEndSessionCloseApp = 0x00000001;

enum class SessionMessage : uint8_t {
    Query,  // WM_QUERYENDSESSION
    End,    // WM_ENDSESSION
};

struct SessionAnswer {
    bool agree = true;        // the answer to the query: nothing here holds the session up
    bool save = false;        // the window saves what it keeps, as when it is closed
    bool endProgram = false;  // and then every window ends, and with the last the program
};

// `ending` is WM_ENDSESSION's wParam (false: the session goes on after all); `flags` its lParam.
SessionAnswer AnswerSession(SessionMessage message, bool ending, uint32_t flags);
