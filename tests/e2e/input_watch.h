// Knowing when real input has reached the program. SendInput only queues it: a test that
// looks for "nothing happened" right after it would look too early. An InputWatch hooks the
// probe library into the thread of a window (WH_GETMESSAGE) for its lifetime and counts what
// that thread takes from its queue.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace e2e {

struct KeyWatchShared;

class InputWatch {
public:
    explicit InputWatch(HWND window);
    ~InputWatch();
    InputWatch(const InputWatch&) = delete;
    InputWatch& operator=(const InputWatch&) = delete;

    // False when the hook could not be set; `Error` says why.
    bool Ready() const { return hook_ != nullptr; }
    const std::string& Error() const { return error_; }

    // How many of each the thread has taken since the watch began.
    long KeyReleases(WORD vk) const;
    long LeftButtonDowns() const;
    long LeftButtonUps() const;
    long PointerMoves() const;
    POINT LastPointerMove() const;  // screen point; meaningful once PointerMoves() > 0

    // Waits until `taken` holds, then until the thread has handled what it took (a message sent
    // to the window is answered after that; a window the input ended counts as handled).
    testing::AssertionResult WaitUntilHandled(const std::function<bool()>& taken, const std::string& what);

private:
    HWND window_;
    HANDLE mapping_ = nullptr;
    KeyWatchShared* shared_ = nullptr;
    HHOOK hook_ = nullptr;
    std::string error_;
};

// Moves the pointer to a screen point over `window` and waits until the window's thread has
// taken a move to there as the last one, for a while, and handled it. Under Wine the program
// also turns its own, late X events into moves, which can put the pointer back where it was
// before; then the pointer is brought again, as a user's would, up to three times. A pointer
// already there stays, once the window has answered.
testing::AssertionResult MovePointerOnto(HWND window, POINT screen);

}  // namespace e2e
