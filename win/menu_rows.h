#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

// A window's menus, written as rows: each window lists its items once, and the same list
// builds its system menu (and a context menu), runs the chosen command and sets the checks.

// One item: a command with its text from the string table, what it does, and for an option
// the flag its check mark shows. A command of 0 is a separator.
struct MenuRow {
    UINT command = 0;
    UINT text = 0;
    std::function<void()> run;
    const uint8_t* checked = nullptr;
};

// Puts a row into `menu` at `position` (-1: at the end), greyed when not `enabled`.
void InsertMenuRow(HMENU menu, int position, const MenuRow& row, bool enabled = true);

// Sets the check mark of a row of an option to its flag.
void CheckMenuRow(HMENU menu, const MenuRow& row);

// The row of a command among `rows`, or null; a separator is never found.
template <typename Row> const Row* FindMenuRow(const std::vector<Row>& rows, UINT command)
{
    for (const Row& row : rows)
        if (command != 0 && row.command == command)
            return &row;
    return nullptr;
}

// Checks or unchecks an item of a window's system menu.
void SetSystemMenuCheck(HWND window, int32_t flag, UINT command);

// Removes the size and maximise items: the program's keypad windows have a fixed size.
void RemoveSizeItems(HWND window);
