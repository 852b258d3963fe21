// Reading another process's list view: its row count and the text of a cell, as a user sees
// them, including the rows of a virtual list that the program draws as they come into sight.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// The rows the list holds; -1 when it did not answer.
int ListViewRows(HWND list);

// The text of a cell, or nothing when the list could not be read.
std::optional<std::string> ListViewCell(HWND list, int row, int column);

}  // namespace e2e
