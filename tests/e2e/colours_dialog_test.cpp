// The colours dialog driven as a user drives it: "Set Colors" from the system menu, a
// category picked in the list, a colour typed into the chooser's Red, Green and Blue boxes,
// and the calculator window, in sight above the dialog, showing the colour at once. Then the
// two check boxes, "Default", folding, and what OK and Cancel leave on the screen and in the
// registry.
#include "app_process.h"
#include "calculator_fixture.h"
#include "command_ids.h"
#include "control_ids.h"
#include "control_pixels.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "stored_colours.h"
#include "wait.h"
#include "window_controls.h"

#include <colordlg.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr const char* kColoursTitle = "Colors";
// The first window the program opens after its start may wait for Wine's desktop process.
constexpr DWORD kOpenTimeoutMs = 30000;

// The built-in colours, with the system colours of this desktop.
std::array<COLORREF, 15> DefaultBasicColours()
{
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {window,
            window,
            face,
            face,
            RGB(0, 0, 192),
            RGB(240, 80, 0),
            RGB(0, 127, 0),
            RGB(0, 127, 0),
            RGB(0, 0, 192),
            RGB(192, 0, 0),
            RGB(96, 96, 0),
            RGB(224, 0, 0),
            RGB(194, 69, 172),
            face,
            face};
}

std::array<COLORREF, 5> DefaultExtendedColours()
{
    return {RGB(0, 0, 192), RGB(64, 64, 192), RGB(0, 110, 110), RGB(224, 0, 0), RGB(82, 14, 122)};
}

// A custom palette a test stores before the start: sixteen colours no default has.
std::array<COLORREF, 16> TestCustomColours()
{
    std::array<COLORREF, 16> colours{};
    for (int i = 0; i < 16; ++i)
        colours[static_cast<size_t>(i)] = RGB(16 * i, 255 - 8 * i, 40 + 4 * i);
    return colours;
}

// The group and category names the dialog lists in each edition: the Styled keys are the
// system's push buttons and take no colours.
std::vector<std::string> ExpectedGroups(bool classic)
{
    if (classic)
        return {"Text & Back", "Basic Buttons", "Extended Buttons"};
    return {"Text & Back"};
}

std::vector<std::string> ExpectedTextAndBackRows(bool classic)
{
    std::vector<std::string> rows = {
        "Dialog Background", "Enter Window", "Result Window", "Operation Info", "A-M Info", "Acc", "Mem"};
    if (classic)
        rows.insert(rows.begin() + 1, "Button Background");
    return rows;
}

std::string Join(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "\"" : ", \"") + text + "\"";
    return joined;
}

// A point of a dialog's own background in `capture` (a capture of that window): in its client
// area, under no visible control.
COLORREF BareBackground(const Image& capture, HWND window)
{
    for (int y = 1; y < 40; ++y) {
        for (int x = 1; x < 40; ++x) {
            POINT client{x, y};
            if (ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE) != window)
                continue;
            ClientToScreen(window, &client);
            const RECT outer = WindowRect(window);
            const int cx = client.x - outer.left;
            const int cy = client.y - outer.top;
            if (cx < 0 || cy < 0 || cx >= capture.width || cy >= capture.height)
                return CLR_INVALID;
            return capture.At(cx, cy);
        }
    }
    return CLR_INVALID;
}

class ColoursDialogTest : public CalculatorTest {
protected:
    // Chooses "Set Colors" and waits for the dialog, with its list filled and a category
    // selected. Call through ASSERT_NO_FATAL_FAILURE.
    void OpenColours()
    {
        ASSERT_TRUE(PostSystemCommand(Window(), IDM_SET_COLORS));
        dialog_ = WaitForProcessWindow(app_.ProcessId(), kColoursTitle, kOpenTimeoutMs);
        ASSERT_NE(dialog_, nullptr) << "\"Set Colors\" opened no window titled \"" << kColoursTitle << "\"";
        ASSERT_TRUE(WaitUntil([&] { return Selection(IDC_COLOR_CATEGORIES, false) >= 0; }))
            << "the dialog selected no category";
    }

    // Closes it with OK or Cancel and waits until the calculator can be used again and has
    // finished the command (it saves after the dialog).
    void CloseColours(int button)
    {
        ASSERT_TRUE(Click(dialog_, button));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog_); })) << "the colours dialog did not close";
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }))
            << "the calculator stayed disabled after the colours dialog";
        ASSERT_TRUE(Sync(Window()));
        dialog_ = nullptr;
    }

    LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const
    {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_NORMAL, kMessageTimeoutMs, &result))
            ADD_FAILURE() << "message " << message << " was not answered";
        return static_cast<LRESULT>(result);
    }

    // The texts of list box 903 or combo box 901, in order.
    std::vector<std::string> Texts(int id, bool combo) const
    {
        HWND box = Control(dialog_, id);
        std::vector<std::string> texts;
        const LRESULT count = Send(box, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            // The chooser's boxes are Unicode windows, and Wine hands their item texts to
            // another process as UTF-16 whichever form was asked for: ask for that form.
            wchar_t text[256] = {};
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(box, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kMessageTimeoutMs, &ignored);
            text[255] = L'\0';
            std::string narrow;
            for (const wchar_t* c = text; *c != L'\0'; ++c)
                narrow.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
            texts.push_back(narrow);
        }
        return texts;
    }

    int Selection(int id, bool combo) const
    {
        return static_cast<int>(Send(Control(dialog_, id), combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
    }

    std::string SelectedCategory() const
    {
        const int index = Selection(IDC_COLOR_CATEGORIES, false);
        const std::vector<std::string> rows = Texts(IDC_COLOR_CATEGORIES, false);
        return index >= 0 && static_cast<size_t>(index) < rows.size() ? rows[static_cast<size_t>(index)] : "";
    }

    // Selects a row as a click on it does: the selection, then the notification.
    testing::AssertionResult SelectCategory(const std::string& name)
    {
        const std::vector<std::string> rows = Texts(IDC_COLOR_CATEGORIES, false);
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] != name)
                continue;
            HWND list = Control(dialog_, IDC_COLOR_CATEGORIES);
            Send(list, LB_SETCURSEL, i, 0);
            Send(dialog_, WM_COMMAND, MAKEWPARAM(IDC_COLOR_CATEGORIES, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << "no category \"" << name << "\" in " << Join(rows);
    }

    void SelectGroup(int index)
    {
        HWND combo = Control(dialog_, IDC_COLOR_GROUPS);
        Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Send(dialog_, WM_COMMAND, MAKEWPARAM(IDC_COLOR_GROUPS, CBN_SELCHANGE),
             reinterpret_cast<LPARAM>(combo));
    }

    // The chooser's colour as its Red, Green and Blue boxes show it; CLR_INVALID while a box
    // holds no number.
    COLORREF ChooserColour() const
    {
        int channels[3] = {};
        const int boxes[3] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
        for (int i = 0; i < 3; ++i) {
            const std::string text = ControlText(dialog_, boxes[i]);
            if (text.empty())
                return CLR_INVALID;
            channels[i] = std::atoi(text.c_str());
        }
        return RGB(channels[0], channels[1], channels[2]);
    }

    testing::AssertionResult ChooserShows(COLORREF expected) const
    {
        if (WaitUntil([&] { return ChooserColour() == expected; }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "the chooser shows " << ColourText(ChooserColour())
                                           << ", expected " << ColourText(expected);
    }

    // Types the colour into the chooser's boxes, as a user types them, and waits until the
    // boxes hold it.
    testing::AssertionResult TypeColour(COLORREF colour)
    {
        const int boxes[3] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
        const int values[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
        for (int i = 0; i < 3; ++i) {
            const std::string text = std::to_string(values[i]);
            Send(Control(dialog_, boxes[i]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        return ChooserShows(colour);
    }

    // Waits until the calculator window, as the screen shows it, passes `check`; the dialog
    // lies below the window and covers none of it.
    testing::AssertionResult WindowShows(const std::function<testing::AssertionResult(const Image&)>& check)
    {
        testing::AssertionResult last = testing::AssertionFailure() << "the window could not be captured";
        WaitUntil([&] {
            Image capture;
            if (!CaptureScreenRect(WindowRect(Window()), capture))
                return false;
            last = check(capture);
            return static_cast<bool>(last);
        });
        return last;
    }

    Image Pixels(const Image& capture, int id, int inset = 0) const
    {
        return ControlPixels(capture, Window(), Window(), id, inset);
    }

    testing::AssertionResult PanelBackIs(int id, COLORREF colour)
    {
        return WindowShows([&](const Image& capture) {
            testing::AssertionResult result = BackgroundIs(Pixels(capture, id, 1), colour);
            return result ? result : (result << " (panel " << id << ")");
        });
    }

    // Text in this colour on a panel or a painted key.
    testing::AssertionResult ShowsText(int id, COLORREF colour)
    {
        return WindowShows([&](const Image& capture) {
            testing::AssertionResult result = HasPixelsOf(Pixels(capture, id), colour);
            return result ? result : (result << " (control " << id << ")");
        });
    }

    testing::AssertionResult DialogBackIs(COLORREF colour)
    {
        return WindowShows([&](const Image& capture) {
            const COLORREF found = BareBackground(capture, Window());
            if (found == colour)
                return testing::AssertionSuccess();
            return testing::AssertionFailure() << "the window's background is " << ColourText(found)
                                               << ", expected " << ColourText(colour);
        });
    }

    // Waits until a stored value holds these bytes: the program saves once the dialog has
    // closed.
    testing::AssertionResult StoredAs(const std::string& name, const Bytes& expected)
    {
        std::optional<RegistryValue> last;
        if (WaitUntil([&] {
                last = ReadSetting(name);
                return last == RegistryValue{REG_BINARY, expected};
            }))
            return testing::AssertionSuccess();
        testing::AssertionResult failure = testing::AssertionFailure();
        failure << "\"" << name << "\" ";
        if (!last)
            return failure << "is missing";
        failure << "holds type " << last->type << ":";
        for (size_t i = 0; i < last->bytes.size(); i += 4) {
            uint32_t word = 0;
            for (size_t k = 0; k < 4 && i + k < last->bytes.size(); ++k)
                word |= uint32_t(last->bytes[i + k]) << (8 * k);
            failure << " " << ColourText(word);
        }
        return failure;
    }

    void SaveDialogPicture(const std::string& name)
    {
        Image capture;
        ASSERT_TRUE(CaptureWindow(dialog_, capture));
        const std::string path = ScreenshotPath(CurrentEdition().name + "-" + name + ".png");
        if (!path.empty()) {
            EXPECT_TRUE(SavePng(capture, path)) << path;
        }
    }

    void TearDown() override
    {
        // A dialog left open by a failed check: Cancel lets the program end normally.
        if (dialog_ != nullptr && IsWindow(dialog_))
            PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDCANCEL)));
        CalculatorTest::TearDown();
    }

    HWND dialog_ = nullptr;
};

// The dialog's contents for the edition, a text colour and a background colour set through
// the chooser and shown at once, the samples, folding, "Add to Custom Colors", and OK keeping
// all of it on the screen and in the registry.
TEST_F(ColoursDialogTest, LiveColoursAreKeptByOk)
{
    const bool classic = CurrentEdition().classic;
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 1, IDC_KEY_DIGIT0 + 2, IDC_KEY_DIGIT0 + 3}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "123"));
    const RECT before = WindowRect(Window());
    ASSERT_EQ(ControlText(Window(), IDC_KEY_VIEW), ">") << "a first start is not in the basic view";

    ASSERT_NO_FATAL_FAILURE(OpenColours());
    // The window waits in the screen's corner in its extended view, the dialog below it.
    EXPECT_TRUE(WaitUntil([&] { return WindowRect(Window()).left == 0 && WindowRect(Window()).top == 0; }))
        << "the window is at " << WindowRect(Window()).left << ", " << WindowRect(Window()).top;
    EXPECT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, "<"));
    EXPECT_GE(WindowRect(dialog_).top, WindowRect(Window()).bottom) << "the dialog covers the window";

    EXPECT_EQ(Texts(IDC_COLOR_GROUPS, true), ExpectedGroups(classic));
    EXPECT_EQ(Selection(IDC_COLOR_GROUPS, true), 0);
    EXPECT_EQ(Texts(IDC_COLOR_CATEGORIES, false), ExpectedTextAndBackRows(classic));
    EXPECT_EQ(SelectedCategory(), "Dialog Background");
    // A background-only row: the box is ticked and cannot be changed.
    EXPECT_FALSE(IsControlEnabled(dialog_, IDC_COLOR_BACKGROUND));
    EXPECT_EQ(CheckState(dialog_, IDC_COLOR_BACKGROUND), BST_CHECKED);
    EXPECT_EQ(CheckState(dialog_, IDC_COLOR_SYSTEM_BACKGROUND), BST_UNCHECKED);
    EXPECT_EQ(ControlText(dialog_, IDC_COLOR_BACKGROUND), classic ? "Background Color" : "Background Color ");
    EXPECT_EQ(ControlText(dialog_, IDC_COLOR_SYSTEM_BACKGROUND),
              classic ? "System Background" : "System Background ");
    EXPECT_EQ(ControlText(dialog_, IDC_COLOR_FOLD), "<");
    EXPECT_TRUE(ChooserShows(GetSysColor(COLOR_BTNFACE)));

    // Enter Window: Background Color stays ticked from the background-only row, so its
    // background comes first; unticked, the box edits its text.
    const COLORREF enterText = RGB(12, 34, 156);
    const COLORREF enterBack = RGB(250, 230, 200);
    ASSERT_TRUE(SelectCategory("Enter Window"));
    EXPECT_TRUE(IsControlEnabled(dialog_, IDC_COLOR_BACKGROUND));
    EXPECT_EQ(CheckState(dialog_, IDC_COLOR_BACKGROUND), BST_CHECKED);
    EXPECT_TRUE(ChooserShows(GetSysColor(COLOR_WINDOW)));
    ASSERT_TRUE(TypeColour(enterBack));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, enterBack));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_INTEGER, enterBack));
    EXPECT_TRUE(ShowsText(IDC_PANEL_CURRENT, RGB(0, 0, 192)));

    ASSERT_TRUE(Click(dialog_, IDC_COLOR_BACKGROUND));
    EXPECT_EQ(CheckState(dialog_, IDC_COLOR_BACKGROUND), BST_UNCHECKED);
    EXPECT_TRUE(ChooserShows(RGB(0, 0, 192)));
    ASSERT_TRUE(TypeColour(enterText));
    EXPECT_TRUE(ShowsText(IDC_PANEL_CURRENT, enterText));
    EXPECT_TRUE(ShowsText(IDC_PANEL_INTEGER, enterText));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, enterBack));
    // The "Edit Box" sample previews the panel.
    {
        Image capture;
        ASSERT_TRUE(CaptureWindow(dialog_, capture));
        const Image sample = ControlPixels(capture, dialog_, dialog_, IDC_COLOR_EDIT_SAMPLE, 1);
        EXPECT_TRUE(BackgroundIs(sample, enterBack)) << "\"Edit Box\" sample";
        EXPECT_TRUE(HasPixelsOf(sample, enterText)) << "\"Edit Box\" sample";
    }
    // Ticked again, it edits the background again.
    ASSERT_TRUE(Click(dialog_, IDC_COLOR_BACKGROUND));
    EXPECT_TRUE(ChooserShows(enterBack));

    // The window's own background.
    const COLORREF dialogBack = RGB(190, 210, 230);
    ASSERT_TRUE(SelectCategory("Dialog Background"));
    EXPECT_FALSE(IsControlEnabled(dialog_, IDC_COLOR_BACKGROUND));
    ASSERT_TRUE(TypeColour(dialogBack));
    EXPECT_TRUE(DialogBackIs(dialogBack));
    // Other panels keep theirs.
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_RESULT, GetSysColor(COLOR_WINDOW)));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, enterBack));

    // The current colour goes into the custom palette.
    ASSERT_TRUE(Click(dialog_, COLOR_ADD));
    ASSERT_NO_FATAL_FAILURE(SaveDialogPicture("colors-unfolded"));

    // Folded, only the selector column is left; unfolded, the chooser is back.
    const RECT unfolded = WindowRect(dialog_);
    ASSERT_TRUE(Click(dialog_, IDC_COLOR_FOLD));
    EXPECT_TRUE(WaitForControlText(dialog_, IDC_COLOR_FOLD, ">"));
    EXPECT_TRUE(WaitUntil([&] { return Width(WindowRect(dialog_)) < Width(unfolded); }));
    const RECT folded = WindowRect(dialog_);
    EXPECT_EQ(folded.left, unfolded.left);
    EXPECT_EQ(folded.top, unfolded.top);
    EXPECT_EQ(folded.bottom, unfolded.bottom);
    EXPECT_LE(folded.right, ControlRect(dialog_, COLOR_CUSTOM1).left + 2);
    EXPECT_GT(folded.right, ControlRect(dialog_, IDC_COLOR_CATEGORIES).right);
    ASSERT_NO_FATAL_FAILURE(SaveDialogPicture("colors-folded"));
    ASSERT_TRUE(Click(dialog_, IDC_COLOR_FOLD));
    EXPECT_TRUE(WaitForControlText(dialog_, IDC_COLOR_FOLD, "<"));
    EXPECT_TRUE(WaitUntil([&] { return WindowRect(dialog_).right > ControlRect(dialog_, COLOR_RED).right; }))
        << "unfolding did not bring the Red box back into the dialog";

    ASSERT_NO_FATAL_FAILURE(CloseColours(IDOK));
    // The window is back where and as it was, in the colours picked.
    EXPECT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, ">"));
    EXPECT_TRUE(WaitUntil([&] {
        const RECT now = WindowRect(Window());
        return EqualRect(&before, &now) != FALSE;
    })) << "the window did not go back to where it was";
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, enterBack));
    EXPECT_TRUE(ShowsText(IDC_PANEL_CURRENT, enterText));
    EXPECT_TRUE(DialogBackIs(dialogBack));

    std::array<COLORREF, 15> basic = DefaultBasicColours();
    basic[kEnterText] = enterText;
    basic[kEnterBack] = enterBack;
    basic[kDialogBack] = dialogBack;
    EXPECT_TRUE(StoredAs("Basic Colors", ColourBlock(basic)));
    EXPECT_TRUE(StoredAs("Extended Colors", ColourBlock(DefaultExtendedColours())));
    EXPECT_TRUE(StoredAs("System Backgrounds", {0}));
    const std::optional<RegistryValue> custom = ReadSetting("Custom Colors");
    ASSERT_TRUE(custom.has_value()) << "no \"Custom Colors\" stored";
    ASSERT_EQ(custom->bytes.size(), 64u);
    int added = 0;
    for (size_t i = 0; i < 64; i += 4) {
        const COLORREF word = custom->bytes[i] | custom->bytes[i + 1] << 8 | custom->bytes[i + 2] << 16 |
                              static_cast<COLORREF>(custom->bytes[i + 3]) << 24;
        added += word == dialogBack ? 1 : 0;
    }
    EXPECT_EQ(added, 1) << "the colour added to the custom colours was not stored once";

    // The next start shows the stored colours.
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, enterBack));
    EXPECT_TRUE(DialogBackIs(dialogBack));
}

// System Background repaints every background in the system's colours and back, "Default"
// resets every colour, and Cancel puts back the colours, the flag and the custom palette in
// force when the dialog opened, on the screen and in the registry.
TEST_F(ColoursDialogTest, SystemBackgroundDefaultAndCancel)
{
    const auto& c = TestBasicColours();
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Basic Colors", REG_BINARY, ColourBlock(TestBasicColours())));
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended Colors", REG_BINARY, ColourBlock(TestExtendedColours())));
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Custom Colors", REG_BINARY, ColourBlock(TestCustomColours())));
    ASSERT_NO_FATAL_FAILURE(WriteSetting("System Backgrounds", REG_BINARY, {0}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 4, IDC_KEY_DIGIT0 + 5}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "45"));

    ASSERT_NO_FATAL_FAILURE(OpenColours());
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, c[kEnterBack]));
    EXPECT_TRUE(DialogBackIs(c[kDialogBack]));

    // A new Enter Window background, then the system backgrounds over every stored one.
    const COLORREF enterBack = RGB(255, 200, 220);
    ASSERT_TRUE(SelectCategory("Enter Window"));
    // Background Color is still ticked from "Dialog Background".
    EXPECT_EQ(CheckState(dialog_, IDC_COLOR_BACKGROUND), BST_CHECKED);
    EXPECT_TRUE(ChooserShows(c[kEnterBack]));
    ASSERT_TRUE(TypeColour(enterBack));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, enterBack));

    ASSERT_TRUE(Click(dialog_, IDC_COLOR_SYSTEM_BACKGROUND));
    EXPECT_EQ(CheckState(dialog_, IDC_COLOR_SYSTEM_BACKGROUND), BST_CHECKED);
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, window));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_RESULT, window));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_UP_LABEL, face));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_LAST_OP, face));
    EXPECT_TRUE(DialogBackIs(face));
    // Text colours stay.
    EXPECT_TRUE(ShowsText(IDC_PANEL_CURRENT, c[kEnterText]));
    EXPECT_TRUE(ShowsText(IDC_PANEL_RESULT, c[kAccText]));

    ASSERT_TRUE(Click(dialog_, IDC_COLOR_SYSTEM_BACKGROUND));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, enterBack));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_RESULT, c[kResultBack]));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_UP_LABEL, c[kAmInfoBack]));
    EXPECT_TRUE(DialogBackIs(c[kDialogBack]));

    // "Default" resets every colour, not only the selected one; the chooser shows the
    // selected category's default.
    ASSERT_TRUE(Click(dialog_, IDC_COLOR_DEFAULT));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, window));
    EXPECT_TRUE(ShowsText(IDC_PANEL_CURRENT, RGB(0, 0, 192)));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_UP_LABEL, face));
    EXPECT_TRUE(ShowsText(IDC_PANEL_RESULT, RGB(240, 80, 0)));
    EXPECT_TRUE(DialogBackIs(face));
    EXPECT_EQ(SelectedCategory(), "Enter Window");
    EXPECT_TRUE(ChooserShows(window));

    // More changes for Cancel to undo: the flag on again, a colour in the custom palette.
    ASSERT_TRUE(TypeColour(RGB(1, 2, 3)));
    ASSERT_TRUE(Click(dialog_, COLOR_ADD));
    ASSERT_TRUE(Click(dialog_, IDC_COLOR_SYSTEM_BACKGROUND));
    EXPECT_TRUE(DialogBackIs(face));

    ASSERT_NO_FATAL_FAILURE(CloseColours(IDCANCEL));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, c[kEnterBack]));
    EXPECT_TRUE(ShowsText(IDC_PANEL_CURRENT, c[kEnterText]));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_RESULT, c[kResultBack]));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_UP_LABEL, c[kAmInfoBack]));
    EXPECT_TRUE(DialogBackIs(c[kDialogBack]));
    EXPECT_TRUE(StoredAs("Basic Colors", ColourBlock(TestBasicColours())));
    EXPECT_TRUE(StoredAs("Extended Colors", ColourBlock(TestExtendedColours())));
    EXPECT_TRUE(StoredAs("System Backgrounds", {0}));
    EXPECT_TRUE(StoredAs("Custom Colors", ColourBlock(TestCustomColours())));
    // Cancel leaves the calculator's numbers alone.
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_CURRENT), "45");

    // Opened again, the dialog starts from the restored colours and flag.
    ASSERT_NO_FATAL_FAILURE(OpenColours());
    EXPECT_EQ(CheckState(dialog_, IDC_COLOR_SYSTEM_BACKGROUND), BST_UNCHECKED);
    EXPECT_TRUE(ChooserShows(c[kDialogBack]));
    ASSERT_NO_FATAL_FAILURE(CloseColours(IDCANCEL));
}

// A stored System Backgrounds flag ticks the box; unticking it and OK store the flag cleared.
TEST_F(ColoursDialogTest, StoredSystemBackgroundsAreClearedByOk)
{
    const auto& c = TestBasicColours();
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Basic Colors", REG_BINARY, ColourBlock(TestBasicColours())));
    ASSERT_NO_FATAL_FAILURE(WriteSetting("System Backgrounds", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(OpenColours());
    EXPECT_EQ(CheckState(dialog_, IDC_COLOR_SYSTEM_BACKGROUND), BST_CHECKED);
    EXPECT_TRUE(DialogBackIs(GetSysColor(COLOR_BTNFACE)));
    ASSERT_TRUE(Click(dialog_, IDC_COLOR_SYSTEM_BACKGROUND));
    EXPECT_TRUE(DialogBackIs(c[kDialogBack]));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, c[kEnterBack]));
    ASSERT_NO_FATAL_FAILURE(CloseColours(IDOK));
    EXPECT_TRUE(StoredAs("System Backgrounds", {0}));
    EXPECT_TRUE(StoredAs("Basic Colors", ColourBlock(TestBasicColours())));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, c[kEnterBack]));
}

// Each group remembers its category while the dialog is open; a new opening starts again at
// the first group's first row. The key groups colour the painted keys.
TEST_F(ColoursDialogTest, CategoryIsRememberedPerGroup)
{
    const bool classic = CurrentEdition().classic;
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(OpenColours());
    ASSERT_TRUE(SelectCategory("Operation Info"));
    if (classic) {
        SelectGroup(1);
        EXPECT_EQ(Texts(IDC_COLOR_CATEGORIES, false),
                  (std::vector<std::string>{"Memory", "Digits", "Operations 1", "Operations 2",
                                            "Clear Operations", "Extension Button"}));
        EXPECT_EQ(SelectedCategory(), "Memory");
        ASSERT_TRUE(SelectCategory("Operations 1"));
        // A key row edits the caption colour only.
        EXPECT_FALSE(IsControlEnabled(dialog_, IDC_COLOR_BACKGROUND));
        EXPECT_EQ(CheckState(dialog_, IDC_COLOR_BACKGROUND), BST_UNCHECKED);
        EXPECT_TRUE(ChooserShows(RGB(192, 0, 0)));
        ASSERT_TRUE(SelectCategory("Digits"));
        const COLORREF digits = RGB(0, 140, 70);
        ASSERT_TRUE(TypeColour(digits));
        EXPECT_TRUE(ShowsText(IDC_KEY_DIGIT0 + 5, digits));

        SelectGroup(2);
        EXPECT_EQ(Texts(IDC_COLOR_CATEGORIES, false),
                  (std::vector<std::string>{"Constants", "Hex Digits", "Operations 3", "Swap Button",
                                            "Question Button"}));
        ASSERT_TRUE(SelectCategory("Swap Button"));
        SelectGroup(0);
        EXPECT_EQ(SelectedCategory(), "Operation Info");
        SelectGroup(1);
        EXPECT_EQ(SelectedCategory(), "Digits");
        EXPECT_TRUE(ChooserShows(digits));
        SelectGroup(2);
        EXPECT_EQ(SelectedCategory(), "Swap Button");
    } else {
        EXPECT_EQ(Texts(IDC_COLOR_GROUPS, true), ExpectedGroups(false));
        EXPECT_EQ(SelectedCategory(), "Operation Info");
    }
    ASSERT_NO_FATAL_FAILURE(CloseColours(IDOK));

    ASSERT_NO_FATAL_FAILURE(OpenColours());
    EXPECT_EQ(Selection(IDC_COLOR_GROUPS, true), 0);
    EXPECT_EQ(SelectedCategory(), "Dialog Background");
    ASSERT_NO_FATAL_FAILURE(CloseColours(IDCANCEL));
}

// Found by the random rounds (seed 1482331886): the colours asked for from a minimised
// calculator (its taskbar menu) remembered the icon's place, and the calculator, shown again
// while the dialog was up, went back to that place off the desktop when it closed.
TEST_F(ColoursDialogTest, AMinimisedCalculatorComesBackWhereItWas)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const RECT before = WindowRect(Window());
    for (const bool restoredDuringTheDialog : {true, false}) {
        SCOPED_TRACE(restoredDuringTheDialog ? "shown again while the dialog was up" : "left minimised");
        ASSERT_TRUE(SendSystemCommand(Window(), SC_MINIMIZE));
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(Window()) != FALSE; }));
        ASSERT_NO_FATAL_FAILURE(OpenColours());
        if (restoredDuringTheDialog)
            ShowWindow(Window(), SW_RESTORE);
        ASSERT_NO_FATAL_FAILURE(CloseColours(IDOK));
        if (IsIconic(Window()))
            ShowWindow(Window(), SW_RESTORE);
        EXPECT_TRUE(WaitUntil([&] {
            const RECT now = WindowRect(Window());
            return EqualRect(&before, &now) != FALSE;
        })) << "the window is at "
            << WindowRect(Window()).left << ", " << WindowRect(Window()).top;
    }
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

}  // namespace
}  // namespace e2e
