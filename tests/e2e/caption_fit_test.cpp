// Every caption readable: each static text, button, radio and check box of every window, in
// both font sizes, fits its control in the font the control uses, measured with that font
// against the control's client rectangle (less the mark of a radio or check box). What does
// not fit is listed in the failure.
#include "command_ids.h"
#include "control_ids.h"
#include "key_delivery.h"
#include "loan_fixture.h"
#include "resource_ids.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"

#include <set>
#include <sstream>

namespace e2e {
namespace {

// The value panels show numbers, not captions; their texts are checked elsewhere.
const std::set<int> kValuePanels = {IDC_PANEL_RESULT,      IDC_PANEL_CURRENT, IDC_PANEL_OTHER,
                                    IDC_PANEL_INTEGER,     IDC_PANEL_LAST_OP, IDC_PANEL_UP_LABEL,
                                    IDC_PANEL_OTHER_LABEL, IDC_LOAN_AMOUNT,   IDC_LOAN_RATE,
                                    IDC_LOAN_TERM,         IDC_LOAN_RESULT};

std::string ClassName(HWND hwnd)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

struct Children {
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM param)
{
    reinterpret_cast<Children*>(param)->found.push_back(hwnd);
    return TRUE;
}

// What of `window` does not fit, one line each; empty when everything does.
std::vector<std::string> CaptionsThatDoNotFit(HWND window, const std::string& where)
{
    std::vector<std::string> misfits;
    Children children;
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
    HDC dc = CreateCompatibleDC(nullptr);
    RECT inSight = {};
    GetClientRect(window, &inSight);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inSight), 2);
    for (HWND child : children.found) {
        const std::string text = WindowText(child);
        const int id = GetDlgCtrlID(child);
        const RECT place = WindowRect(child);
        RECT common = {};
        // A control out of the window's client area (the colour chooser's unused ones are
        // kept below it) shows nobody a caption.
        if (text.empty() || !IsWindowVisible(child) || kValuePanels.count(id) != 0 ||
            !IntersectRect(&common, &place, &inSight))
            continue;
        const std::string kind = ClassName(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const bool isStatic = _stricmp(kind.c_str(), "Static") == 0;
        const bool isButton = _stricmp(kind.c_str(), "Button") == 0;
        if (!isStatic && !isButton)
            continue;
        const LONG type = style & (isStatic ? SS_TYPEMASK : BS_TYPEMASK);
        bool wraps = false;
        int mark = 0;  // the room a radio's or a check box's mark takes
        if (isStatic) {
            if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
                type != SS_SIMPLE)
                continue;
            wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
        } else {
            if (type == BS_GROUPBOX)
                continue;
            const bool marked = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                                type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
            if (marked && (style & BS_PUSHLIKE) == 0)
                mark = GetSystemMetrics(SM_CXMENUCHECK) + 4;
            else
                mark = 4;  // a push button's frame
            wraps = (style & BS_MULTILINE) != 0;
        }
        const std::optional<LOGFONTA> logfont = ReadDialogFont(child);
        HFONT font = logfont ? CreateFontIndirectA(&*logfont) : nullptr;
        const HGDIOBJ old =
            SelectObject(dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
        RECT client = {};
        GetClientRect(child, &client);
        const int width = client.right - mark;
        RECT need = {0, 0, width, 0};
        const UINT prefix = isStatic && (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
        DrawTextA(dc, text.c_str(), -1, &need,
                  DT_CALCRECT | DT_EXPANDTABS | prefix | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, old);
        if (font != nullptr)
            DeleteObject(font);
        if (need.right > width || need.bottom > client.bottom) {
            std::ostringstream line;
            line << where << ": \"" << text << "\" (" << kind << " " << id << ") needs " << need.right
                 << " x " << need.bottom << ", has " << width << " x " << client.bottom;
            misfits.push_back(line.str());
        }
    }
    DeleteDC(dc);
    return misfits;
}

class CaptionFitTest : public LoanTest {
protected:
    void Check(HWND window, const std::string& where)
    {
        ASSERT_NE(window, nullptr) << where;
        ASSERT_TRUE(Sync(window));
        for (const std::string& misfit : CaptionsThatDoNotFit(window, where))
            misfits_.push_back(misfit);
    }

    // Every window of the program in the font size the calculator has now.
    void CheckEveryWindow(const std::string& size)
    {
        if (ControlText(Window(), IDC_KEY_VIEW) == ">") {  // the extended view shows every control
            ASSERT_TRUE(Click(Window(), IDC_KEY_VIEW));
        }
        ASSERT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, "<"));
        Check(Window(), "calculator, " + size);

        ASSERT_TRUE(PostSystemCommand(Window(), IDM_SET_COLORS));
        const HWND colours = WaitForProcessWindow(app_.ProcessId(), "Colors", 30000);
        Check(colours, "colours dialog, " + size);
        PostMessageA(GetDlgItem(colours, IDCANCEL), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(colours) && IsWindowEnabled(Window()); }));

        ASSERT_TRUE(PostSystemCommand(Window(), IDM_QUICK_HELP));
        const HWND about = WaitForAboutWindow();
        Check(about, "About window, " + size);
        PostMessageA(about, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(Window()); }));

        ASSERT_NO_FATAL_FAILURE(OpenLoan());
        Check(Loan(), "loan window, " + size);
        ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'R'));
        const HWND schedule = WaitForProcessWindow(app_.ProcessId(), "Payment Schedule", 30000);
        Check(schedule, "payment schedule, " + size);
        PostMessageA(schedule, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(schedule) && IsWindowEnabled(Loan()); }));
        ASSERT_NO_FATAL_FAILURE(CloseLoan());
    }

    std::vector<std::string> misfits_;
};

TEST_F(CaptionFitTest, EveryCaptionFitsInBothFontSizes)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(CheckEveryWindow("8 points"));
    // Big Font re-creates the calculator; the loan window opened from it takes the size too.
    WriteLoanSetting("Big Font", REG_BINARY, {1});
    const HWND old = Window();
    ASSERT_TRUE(PostSystemCommand(old, IDM_BIG_FONT));
    ASSERT_NO_FATAL_FAILURE(WaitForRecreatedWindow(old));
    ASSERT_NO_FATAL_FAILURE(CheckEveryWindow("10 points"));
    std::string list;
    for (const std::string& misfit : misfits_)
        list += "\n  " + misfit;
    EXPECT_TRUE(misfits_.empty()) << misfits_.size() << " captions do not fit:" << list;
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

}  // namespace
}  // namespace e2e
