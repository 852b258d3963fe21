// The loan window's key map.
#include "loan_key_map.h"

#include "resource_ids.h"

namespace {

bool IsHelp(int key, Modifiers mods)
{
    return key == vk::F1 && !mods.shift && !mods.ctrl && !mods.alt;
}

}  // namespace

bool LoanKeyMap::PressReadsField(int key, Modifiers mods)
{
    return !IsHelp(key, mods);
}

LoanKeyResult LoanKeyMap::OnCharacter(char ch, int field)
{
    entry_.ReadBackField(field);
    if (ch >= '0' && ch <= '9')
        entry_.AddDigit(ch);
    else if (ch == ',' || ch == '.')
        entry_.AddSeparator();
    else if (ch == '=')
        entry_.ComputeLoan();
    else
        return LoanKeyResult::NotHandled;
    return LoanKeyResult::Handled;
}

LoanKeyResult LoanKeyMap::OnKeyDown(int key, Modifiers mods, int field)
{
    if (IsHelp(key, mods))
        return LoanKeyResult::Help;
    entry_.ReadBackField(field);
    // Ctrl takes precedence over Shift; with either held only Delete does anything.
    if (mods.ctrl) {
        if (key != vk::Delete)
            return LoanKeyResult::NotHandled;
        entry_.ClearAll();
        return LoanKeyResult::Handled;
    }
    if (mods.shift) {
        if (key != vk::Delete)
            return LoanKeyResult::NotHandled;
        entry_.ClearField();
        return LoanKeyResult::Handled;
    }
    switch (key) {
    case vk::Back:
    case vk::Delete: entry_.DeleteLast(); break;
    case vk::Escape: escapePressed_ = true; break;
    case vk::Up: entry_.SelectPreviousField(); break;
    case vk::Down: entry_.SelectNextField(); break;
    default: return LoanKeyResult::NotHandled;
    }
    return LoanKeyResult::Handled;
}

LoanKeyResult LoanKeyMap::OnKeyUp(int key, Modifiers mods, int field)
{
    entry_.ReadBackField(field);
    if (mods.ctrl) {
        escapePressed_ = false;
        return LoanKeyResult::NotHandled;
    }
    if (key == vk::Return) {
        entry_.ComputeLoan();  // Enter computes on release and never closes the window
        return LoanKeyResult::Handled;
    }
    if (mods.shift || key != vk::Escape) {
        escapePressed_ = false;
        return LoanKeyResult::NotHandled;
    }
    // Only an Escape whose press reached this window acts; the latch stays set after it.
    // Stored settings may have both options on: exiting wins, and an ending window clears
    // nothing.
    if (!escapePressed_)
        return LoanKeyResult::Handled;
    if (settings_.bExitByEscape)
        return LoanKeyResult::SaveAndExit;
    if (settings_.bClearByEscape)
        entry_.ClearAll();
    return LoanKeyResult::Handled;
}

const char* LoanKeyShortcut(int id)
{
    static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    if (id >= IDC_KEY_DIGIT0 && id <= IDC_KEY_DIGIT9)
        return kDigits[id - IDC_KEY_DIGIT0];
    switch (id) {
    case IDC_KEY_POINT: return ".";
    case IDC_LOAN_COMPUTE: return "Enter";
    default: return nullptr;
    }
}

std::string LoanSpokenName(int id, const std::string& name, const LoanDisplay& display)
{
    const std::string* shows = nullptr;
    switch (id) {
    case IDC_LOAN_AMOUNT: shows = &display.amount; break;
    case IDC_LOAN_RATE: shows = &display.rate; break;
    case IDC_LOAN_TERM: shows = &display.term; break;
    case IDC_LOAN_RESULT: shows = &display.result; break;
    default: break;
    }
    return shows != nullptr && !shows->empty() ? name + " " + *shows : name;
}
