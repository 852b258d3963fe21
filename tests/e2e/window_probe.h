// What a window of the program under test looks like from inside its own thread: its system
// menu, which Wine keeps per process so that no other process can read it, and the font it
// was created with. Read through the probe library (probe_client.h).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
    UINT id = 0;
    UINT type = 0;   // MFT_* bits
    UINT state = 0;  // MFS_* bits
    bool submenu = false;
    std::string text;

    bool Separator() const { return (type & MFT_SEPARATOR) != 0; }
    bool Checked() const { return (state & MFS_CHECKED) != 0; }
    // The round mark of a radio item; a check mark without it is the usual tick.
    bool RadioMark() const { return (type & MFT_RADIOCHECK) != 0; }
};

// The items of GetSystemMenu(window, FALSE) in menu order; nothing when the probe could not
// run in the window's thread or the window has no system menu.
std::optional<std::vector<MenuItem>> ReadSystemMenu(HWND window);

// The item with this command id; nothing when the menu has none.
std::optional<MenuItem> FindMenuItem(const std::vector<MenuItem>& menu, UINT id);

// An item a test expects in a menu: its command id (0 for a separator) and its text as the
// menu shows it, tab included.
struct ExpectedMenuItem {
    UINT id;
    std::string text;
};

// One line per item, for failure messages.
std::string DescribeMenu(const std::vector<MenuItem>& menu);

// The platform's items of a window menu with Size and Maximize removed (Restore, Move,
// Minimize, a separator, Close), then exactly `appended`. Check marks are not looked at.
testing::AssertionResult MenuIsPlatformItemsAnd(const std::vector<MenuItem>& menu,
                                                const std::vector<ExpectedMenuItem>& appended);

// The program's items with these ids carry a check mark, and no other program item does
// (the platform's items, ids from 0xF000 on, are not looked at).
testing::AssertionResult OnlyTheseChecked(const std::vector<MenuItem>& menu,
                                          const std::vector<UINT>& checked);

// Waits until the menu item `id` has (or has not) its check mark: how a test sees that the
// program has handled a command it was sent.
testing::AssertionResult WaitForMenuCheck(HWND window, UINT id, bool checked);

// The font the window answers WM_GETFONT with: for a dialog, its template's font.
std::optional<LOGFONTA> ReadDialogFont(HWND window);

// The lfHeight a dialog template's font of `points` points gets on this screen.
LONG FontHeightForPoints(int points);

}  // namespace e2e
