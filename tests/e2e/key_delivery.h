// Real key chords whose handling the test can wait for. Input is queued: after SendInput the
// program has not seen the keys yet, and a test that then looks for "nothing happened" would
// look too early; an InputWatch (input_watch.h) tells when the window's thread has them.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>

namespace e2e {

// Brings `window` to the front, types the chord with real input and waits until the window's
// thread has taken the releases of `vk` and of every modifier from its queue and has handled
// them (a sent message is answered only after that).
testing::AssertionResult PressChordAndWait(HWND window, std::initializer_list<WORD> modifiers, WORD vk);
testing::AssertionResult PressKeyAndWait(HWND window, WORD vk);

}  // namespace e2e
