#include "window_probe.h"

#include "key_state_probe_protocol.h"
#include "probe_client.h"
#include "wait.h"

#include <algorithm>
#include <sstream>

namespace e2e {

std::optional<std::vector<MenuItem>> ReadSystemMenu(HWND window)
{
    std::optional<std::vector<MenuItem>> result;
    AskProbe(window, kSystemMenuRead, kWindowProbeSharedName, sizeof(WindowProbeShared), nullptr,
             [&](const void* block) {
                 const auto* shared = static_cast<const WindowProbeShared*>(block);
                 if (!shared->found || shared->itemCount != shared->totalItems)
                     return;
                 std::vector<MenuItem> items;
                 for (DWORD i = 0; i < shared->itemCount; ++i) {
                     const ProbeMenuItem& raw = shared->items[i];
                     MenuItem item;
                     item.id = raw.id;
                     item.type = raw.type;
                     item.state = raw.state;
                     item.submenu = raw.hasSubmenu != 0;
                     item.text.assign(raw.text, strnlen(raw.text, sizeof raw.text));
                     items.push_back(item);
                 }
                 result = items;
             });
    return result;
}

std::optional<MenuItem> FindMenuItem(const std::vector<MenuItem>& menu, UINT id)
{
    for (const MenuItem& item : menu)
        if (!item.Separator() && item.id == id)
            return item;
    return std::nullopt;
}

namespace {

// Wine puts an item of its own, "About Wine" (with the separator in front of it that sets it
// apart), into every window menu right after Close. That one item is the only thing tolerated
// beyond what the program's window is to hold.
constexpr UINT kWineAboutItem = 0xF141;

}  // namespace

std::string DescribeMenu(const std::vector<MenuItem>& menu)
{
    std::ostringstream out;
    for (const MenuItem& item : menu) {
        if (item.Separator()) {
            out << "  ----\n";
            continue;
        }
        std::string text = item.text;
        for (size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t'))
            text.replace(tab, 1, "\\t");
        out << "  " << item.id << " \"" << text << "\"" << (item.Checked() ? " checked" : "")
            << (item.RadioMark() ? " radio" : "") << "\n";
    }
    return out.str();
}

testing::AssertionResult MenuIsPlatformItemsAnd(const std::vector<MenuItem>& menu,
                                                const std::vector<ExpectedMenuItem>& appended)
{
    const UINT platform[] = {SC_RESTORE, SC_MOVE, SC_MINIMIZE, 0, SC_CLOSE};
    size_t at = 0;
    for (UINT id : platform) {
        if (at >= menu.size())
            return testing::AssertionFailure() << "the menu ends early:\n" << DescribeMenu(menu);
        const MenuItem& item = menu[at++];
        if ((id == 0) != item.Separator() || (id != 0 && item.id != id))
            return testing::AssertionFailure() << "platform item " << at << " is not " << id << ":\n"
                                               << DescribeMenu(menu);
    }
    if (at + 1 < menu.size() && menu[at].Separator() && !menu[at + 1].Separator() &&
        menu[at + 1].id == kWineAboutItem)
        at += 2;
    for (size_t i = 0; i < appended.size(); ++i, ++at) {
        if (at >= menu.size())
            return testing::AssertionFailure() << "item " << i + 1 << " of the program's is missing:\n"
                                               << DescribeMenu(menu);
        const MenuItem& item = menu[at];
        const ExpectedMenuItem& want = appended[i];
        if (want.id == 0) {
            if (!item.Separator())
                return testing::AssertionFailure() << "position " << i + 1 << " is not a separator:\n"
                                                   << DescribeMenu(menu);
            continue;
        }
        if (item.Separator() || item.id != want.id || item.text != want.text)
            return testing::AssertionFailure()
                   << "position " << i + 1 << " should be " << want.id << " \"" << want.text << "\":\n"
                   << DescribeMenu(menu);
    }
    if (at != menu.size())
        return testing::AssertionFailure() << "items follow the last one of the program's:\n"
                                           << DescribeMenu(menu);
    for (const MenuItem& item : menu)
        if (!item.Separator() && (item.id == SC_SIZE || item.id == SC_MAXIMIZE))
            return testing::AssertionFailure() << "Size or Maximize is still there:\n" << DescribeMenu(menu);
    return testing::AssertionSuccess();
}

testing::AssertionResult OnlyTheseChecked(const std::vector<MenuItem>& menu, const std::vector<UINT>& checked)
{
    for (const MenuItem& item : menu) {
        if (item.Separator() || item.id >= 0xF000)
            continue;
        const bool want = std::find(checked.begin(), checked.end(), item.id) != checked.end();
        if (item.Checked() != want)
            return testing::AssertionFailure() << "item " << item.id << " \"" << item.text << "\" is "
                                               << (item.Checked() ? "checked" : "not checked") << ":\n"
                                               << DescribeMenu(menu);
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult WaitForMenuCheck(HWND window, UINT id, bool checked)
{
    std::optional<MenuItem> last;
    bool read = false;
    if (WaitUntil([&] {
            const std::optional<std::vector<MenuItem>> menu = ReadSystemMenu(window);
            read = read || menu.has_value();
            last = menu ? FindMenuItem(*menu, id) : std::nullopt;
            return last.has_value() && last->Checked() == checked;
        }))
        return testing::AssertionSuccess();
    if (!read)
        return testing::AssertionFailure() << "the system menu could not be read";
    if (!last)
        return testing::AssertionFailure() << "the menu has no item " << id;
    return testing::AssertionFailure()
           << "item " << id << " \"" << last->text << "\" stayed " << (checked ? "unchecked" : "checked");
}

std::optional<LOGFONTA> ReadDialogFont(HWND window)
{
    std::optional<LOGFONTA> result;
    AskProbe(window, kDialogFontRead, kWindowProbeSharedName, sizeof(WindowProbeShared), nullptr,
             [&](const void* block) {
                 const auto* shared = static_cast<const WindowProbeShared*>(block);
                 if (shared->found)
                     result = shared->font;
             });
    return result;
}

LONG FontHeightForPoints(int points)
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return -MulDiv(points, dpi, 72);
}

}  // namespace e2e
