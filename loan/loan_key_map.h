#pragma once
#include <functional>

#include "loan_entry.h"
#include "loan_settings.h"
#include "virtual_keys.h"

// What the loan window does after a key event beyond what the map did to the entry.
enum class LoanKeyResult {
    NotHandled,  // the dialog manager may have the event
    Handled,
    Help,         // show the help window
    SaveAndExit,  // save the settings and close the window for good
};

// The loan window's keyboard without its window: characters, key presses and key releases
// with the modifiers held, onto the entry model. It keeps the Escape latch itself, reads the
// two Escape options from the settings at each release, and asks the window to read back its
// radio group before it touches the entry.
class LoanKeyMap {
public:
    LoanKeyMap(LoanEntry& entry, const LoanSettings& settings, std::function<void()> readBackField);
    LoanKeyMap(const LoanKeyMap&) = delete;
    LoanKeyMap& operator=(const LoanKeyMap&) = delete;

    LoanKeyResult OnCharacter(char ch);
    LoanKeyResult OnKeyDown(int key, Modifiers mods);
    LoanKeyResult OnKeyUp(int key, Modifiers mods);

    // An Escape press reached the window and no other key has been released since.
    bool EscapePressed() const { return escapePressed_; }

private:
    LoanEntry& entry_;
    const LoanSettings& settings_;
    std::function<void()> readBackField_;
    bool escapePressed_ = false;
};
