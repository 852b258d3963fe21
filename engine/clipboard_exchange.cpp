// Copy puts the value the user is looking at on the clipboard exactly as shown; Paste types
// the clipboard text into the calculator as if it came from the keyboard.
#include <algorithm>

#include "calc_engine_ext.h"

bool IsNumberChar(int ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f') || ch == '.' ||
           ch == ',';
}

void CalcEngineExt::CopyValue()
{
    const CalcState& s = state_;
    const std::string* text = nullptr;
    if (s.dUp != 0.0 && s.nXWindow == 1)
        text = &s.strResult;
    else if (s.dCurrent != 0.0)
        text = s.bIntegerInput ? &s.strInteger : &s.strCurrent;
    else if (s.dUp != 0.0)
        text = &s.strResult;
    if (text != nullptr && clipboard_.PutText(*text))
        display_.Announce(*text, Announcement::Copied);
}

void CalcEngineExt::PasteText()
{
    std::string text;
    if (!clipboard_.GetText(text))
        return;
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    if (text.empty())
        return;
    if (text.size() > kMaxPastedChars)
        text.resize(kMaxPastedChars);

    // A plain number replaces only the current data, so a pending operation can take it;
    // anything with operators in it starts afresh.
    const bool plainNumber = std::all_of(text.begin(), text.end(),
                                         [](char c) { return IsNumberChar(static_cast<unsigned char>(c)); });
    ClearKey(plainNumber ? IDC_KEY_DELETE : IDC_CLEAR_BOTH);

    for (char c : text) {
        int ch = static_cast<unsigned char>(c);
        if (ch >= 'a' && ch <= 'z')
            ch -= 'a' - 'A';
        // Each character as if typed: a character the keyboard ignores is skipped.
        Execute(ResolveChar(ch));
    }
}
