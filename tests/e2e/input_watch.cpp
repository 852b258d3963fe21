#include "input_watch.h"

#include "key_state_probe_protocol.h"
#include "mouse_input.h"
#include "probe_client.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {

InputWatch::InputWatch(HWND window) : window_(window)
{
    HMODULE library = ProbeLibrary();
    const auto proc =
        library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, kKeyWatchProc)))
                : nullptr;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (proc == nullptr || thread == 0) {
        error_ = "the probe library or the window's thread is missing";
        return;
    }
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(KeyWatchShared),
                                  kKeyWatchSharedName);
    if (mapping_ != nullptr)
        shared_ = static_cast<KeyWatchShared*>(
            MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(KeyWatchShared)));
    if (shared_ == nullptr) {
        error_ = "the shared counters could not be made";
        return;
    }
    ZeroMemory(shared_, sizeof *shared_);
    hook_ = SetWindowsHookExA(WH_GETMESSAGE, proc, library, thread);
    if (hook_ == nullptr)
        error_ = "the hook could not be set";
}

InputWatch::~InputWatch()
{
    if (hook_ != nullptr)
        UnhookWindowsHookEx(hook_);
    if (shared_ != nullptr)
        UnmapViewOfFile(shared_);
    if (mapping_ != nullptr)
        CloseHandle(mapping_);
}

long InputWatch::KeyReleases(WORD vk) const
{
    return shared_ ? InterlockedCompareExchange(&shared_->releases[vk & 0xFF], 0, 0) : 0;
}

long InputWatch::LeftButtonDowns() const
{
    return shared_ ? InterlockedCompareExchange(&shared_->leftDowns, 0, 0) : 0;
}

long InputWatch::LeftButtonUps() const
{
    return shared_ ? InterlockedCompareExchange(&shared_->leftUps, 0, 0) : 0;
}

long InputWatch::PointerMoves() const
{
    return shared_ ? InterlockedCompareExchange(&shared_->moves, 0, 0) : 0;
}

POINT InputWatch::LastPointerMove() const
{
    if (shared_ == nullptr)
        return POINT{0, 0};
    return POINT{InterlockedCompareExchange(&shared_->lastMoveX, 0, 0),
                 InterlockedCompareExchange(&shared_->lastMoveY, 0, 0)};
}

testing::AssertionResult MovePointerOnto(HWND window, POINT screen)
{
    constexpr ULONGLONG kSteadyMs = 300;
    std::string last = "none";
    for (int attempt = 0; attempt < 3; ++attempt) {
        InputWatch watch(window);
        if (!watch.Ready())
            return testing::AssertionFailure() << "no input watch: " << watch.Error();
        // A move to where the pointer already is makes no message to wait for.
        POINT current{};
        if (GetCursorPos(&current) && current.x == screen.x && current.y == screen.y &&
            MovePointerTo(screen) && (Sync(window) || !IsWindow(window)))
            return testing::AssertionSuccess();
        if (!MovePointerTo(screen))
            continue;
        ULONGLONG there = 0;
        long seen = -1;
        const bool steady = WaitUntil(
            [&] {
                const long moves = watch.PointerMoves();
                const POINT at = watch.LastPointerMove();
                if (moves == 0 || at.x != screen.x || at.y != screen.y) {
                    there = 0;
                    return false;
                }
                const ULONGLONG now = GetTickCount64();
                if (there == 0 || moves != seen) {
                    there = now;
                    seen = moves;
                }
                return now - there >= kSteadyMs;
            },
            3000);
        if (watch.PointerMoves() > 0) {
            const POINT taken = watch.LastPointerMove();
            last = std::to_string(taken.x) + "," + std::to_string(taken.y);
        }
        if (steady && (Sync(window) || !IsWindow(window)))
            return testing::AssertionSuccess();
    }
    POINT at{};
    GetCursorPos(&at);
    const HWND under = WindowFromPoint(at);
    char className[64] = "";
    GetClassNameA(under, className, sizeof className);
    return testing::AssertionFailure()
           << "the window did not take the pointer's move to " << screen.x << "," << screen.y
           << " as its last (last taken: " << last << "; the pointer is at " << at.x << "," << at.y
           << " over a " << className << " of thread " << GetWindowThreadProcessId(under, nullptr)
           << ", the window's thread " << GetWindowThreadProcessId(window, nullptr) << ")";
}

testing::AssertionResult InputWatch::WaitUntilHandled(const std::function<bool()>& taken,
                                                      const std::string& what)
{
    if (!Ready())
        return testing::AssertionFailure() << "no input watch: " << error_;
    if (!WaitUntil(taken))
        return testing::AssertionFailure()
               << "the window's thread did not take " << what << " from its queue";
    if (!Sync(window_) && IsWindow(window_))
        return testing::AssertionFailure() << "the window did not answer after " << what;
    return testing::AssertionSuccess();
}

}  // namespace e2e
