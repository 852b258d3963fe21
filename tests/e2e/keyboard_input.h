// Real keyboard input: SendInput events that go through the system's input queue, keyboard
// translation and the key-state table, as a user's typing does. Posted WM_KEYDOWN messages
// would not do: they leave GetKeyState unchanged, so Ctrl and Shift chords could not work.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace e2e {

// Makes `hwnd` the foreground window, which real input goes to, and waits until it is.
bool BringToForeground(HWND hwnd);

// Types each character with the key (and Shift state) that produces it on the current
// layout: press and release, one character after the other. False when a character has no
// key or the system refused an event.
bool TypeText(const std::string& text);

// Presses and releases one virtual key.
bool PressKey(WORD vk);

// Holds the modifiers (VK_CONTROL, VK_SHIFT, VK_MENU) in order, presses and releases `vk`,
// then releases the modifiers in reverse order: Ctrl+T, Shift+Enter, Ctrl+Left.
bool PressChord(std::initializer_list<WORD> modifiers, WORD vk);

bool KeyDown(WORD vk);
bool KeyUp(WORD vk);

}  // namespace e2e
