// The system clipboard as plain text, set and read by the driver: under Wine this is the X
// clipboard too, shared with the program under test.
#pragma once

#include <optional>
#include <string>

namespace e2e {

// Puts `text` on the clipboard as CF_TEXT; false when the clipboard stayed busy.
bool SetClipboardText(const std::string& text);

// The CF_TEXT on the clipboard; nothing when there is none or the clipboard stayed busy.
std::optional<std::string> GetClipboardText();

}  // namespace e2e
