#include "menu_rows.h"

#include "resource_text.h"

void InsertMenuRow(HMENU menu, int position, const MenuRow& row, bool enabled)
{
    if (menu == nullptr)
        return;
    const UINT at = position < 0 ? static_cast<UINT>(-1) : static_cast<UINT>(position);
    if (row.command == 0) {
        InsertMenuA(menu, at, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        return;
    }
    const UINT flags = MF_BYPOSITION | MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED) |
                       (row.checked != nullptr && *row.checked ? MF_CHECKED : MF_UNCHECKED);
    InsertMenuA(menu, at, flags, row.command, LoadResourceString(row.text).c_str());
}

void CheckMenuRow(HMENU menu, const MenuRow& row)
{
    if (menu != nullptr && row.checked != nullptr)
        CheckMenuItem(menu, row.command, MF_BYCOMMAND | (*row.checked ? MF_CHECKED : MF_UNCHECKED));
}

void SetSystemMenuCheck(HWND window, int32_t flag, UINT command)
{
    if (HMENU menu = GetSystemMenu(window, FALSE))
        CheckMenuItem(menu, command, MF_BYCOMMAND | (flag ? MF_CHECKED : MF_UNCHECKED));
}

void RemoveSizeItems(HWND window)
{
    if (HMENU menu = GetSystemMenu(window, FALSE)) {
        RemoveMenu(menu, SC_SIZE, MF_BYCOMMAND);
        RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
}
