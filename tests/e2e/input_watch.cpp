#include "input_watch.h"

#include "key_state_probe_protocol.h"
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

testing::AssertionResult InputWatch::WaitUntilHandled(const std::function<bool()>& taken, const std::string& what)
{
    if (!Ready())
        return testing::AssertionFailure() << "no input watch: " << error_;
    if (!WaitUntil(taken))
        return testing::AssertionFailure() << "the window's thread did not take " << what << " from its queue";
    if (!Sync(window_) && IsWindow(window_))
        return testing::AssertionFailure() << "the window did not answer after " << what;
    return testing::AssertionSuccess();
}

} // namespace e2e
