#pragma once
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
// with the modifiers held, onto the entry model. The window hands over, with each key, the
// field its radio group shows (an index that names no field, -1, when none is checked): the
// user may have clicked another since the last key. It keeps the Escape latch itself and
// reads the two Escape options from the settings at each release.
class LoanKeyMap {
public:
    LoanKeyMap(LoanEntry& entry, const LoanSettings& settings) : entry_(entry), settings_(settings) {}
    LoanKeyMap(const LoanKeyMap&) = delete;
    LoanKeyMap& operator=(const LoanKeyMap&) = delete;

    // Whether a key press needs the selected field: help is asked for without it, nothing in
    // the entry changes. Characters and releases always do.
    static bool PressReadsField(int key, Modifiers mods);

    LoanKeyResult OnCharacter(char ch, int field);
    LoanKeyResult OnKeyDown(int key, Modifiers mods, int field);
    LoanKeyResult OnKeyUp(int key, Modifiers mods, int field);

    // An Escape press reached the window and no other key has been released since.
    bool EscapePressed() const { return escapePressed_; }

private:
    LoanEntry& entry_;
    const LoanSettings& settings_;
    bool escapePressed_ = false;
};

// The keyboard key that does what a key of the loan window does, as a screen reader says it;
// null when none does.
const char* LoanKeyShortcut(int id);

// The name of a control of the loan window as spoken: a panel's name is followed by what it
// shows ("Amount 1 000").
std::string LoanSpokenName(int id, const std::string& name, const LoanDisplay& display);
