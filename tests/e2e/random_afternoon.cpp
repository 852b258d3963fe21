#include "random_afternoon.h"

#include "clipboard_text.h"
#include "command_ids.h"
#include "control_ids.h"
#include "keyboard_input.h"
#include "mouse_input.h"
#include "resource_ids.h"
#include "wait.h"
#include "window_controls.h"

#include <cstdio>
#include <regex>
#include <sstream>

namespace e2e {

namespace {

constexpr const char* kColoursTitle = "Colors";
constexpr const char* kAboutTitle = "Help - About";
constexpr int kBurst = 8;             // events between two checks
constexpr DWORD kAnswerMs = 2000;     // longer without an answer is a hang
constexpr DWORD kReappearMs = 5000;   // a re-created window shows again within this
constexpr DWORD kStartMs = 30000;     // the first start of a session waits for Wine's desktop
constexpr size_t kRecentEvents = 40;  // shown when a check fails

// Every key of the key maps and then some: digits and operators of both rows, the keypad,
// editing and moving keys, letters (functions, bases, the loan's fields), Escape and F1.
const WORD kKeys[] = {
    '0',           '1',          '2',        '3',        '4',        '5',         '6',          '7',
    '8',           '9',          VK_NUMPAD0, VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3,  VK_NUMPAD4,   VK_NUMPAD5,
    VK_NUMPAD6,    VK_NUMPAD7,   VK_NUMPAD8, VK_NUMPAD9, VK_ADD,     VK_SUBTRACT, VK_MULTIPLY,  VK_DIVIDE,
    VK_DECIMAL,    VK_RETURN,    VK_BACK,    VK_DELETE,  VK_ESCAPE,  VK_F1,       VK_SPACE,     VK_LEFT,
    VK_RIGHT,      VK_UP,        VK_DOWN,    VK_TAB,     VK_HOME,    VK_END,      VK_OEM_MINUS, VK_OEM_PLUS,
    VK_OEM_PERIOD, VK_OEM_COMMA, VK_OEM_2,   '5',        'A',        'B',         'C',          'D',
    'E',           'F',          'G',        'H',        'I',        'J',         'K',          'L',
    'M',           'N',          'O',        'P',        'Q',        'R',         'S',          'T',
    'U',           'V',          'W',        'X',        'Y',        'Z'};

// Typed as characters, whatever key makes them on this layout.
const char kTyped[] = "0123456789+-*/=.,%()^!_ eE";

// The commands of both system menus, the platform's Close among them, rarely.
const UINT kCommands[] = {IDM_QUICK_HELP,
                          IDM_SHOW_TIPS,
                          IDM_SOFT_BUTTONS,
                          IDM_SET_COLORS,
                          IDM_AFTER_POINT,
                          IDM_COMMON_SCALE,
                          IDM_PRECISION_CONTROL,
                          IDM_COMMA,
                          IDM_COPY,
                          IDM_PASTE,
                          IDM_PASTE_COPY,
                          IDM_IN_MEMORY_MODE,
                          IDM_EXIT_ON_ESCAPE,
                          IDM_BIG_FONT,
                          IDM_BOLD_VALUES,
                          IDM_BOLD_BUTTONS,
                          IDM_ALWAYS_ON_TOP,
                          IDM_RUN_LOAN_CALCULATOR,
                          IDM_CLEAR_ON_ESCAPE,
                          IDM_BIG_FONT,
                          IDM_RUN_LOAN_CALCULATOR,
                          IDM_SET_COLORS,
                          IDM_QUICK_HELP,
                          IDM_SHOW_TAPE,
                          IDM_SHOW_TAPE,
                          IDM_COPY_TAPE,
                          IDM_DELETE_TAPE_LINES,
                          IDM_SELECT_ALL_TAPE,
                          IDM_CLEAR_TAPE,
                          IDM_USE_RESULT,
                          IDM_USE_RESULT,
                          IDM_FORGET_TAPE,
                          IDM_PAYMENT_SCHEDULE,
                          IDM_PAYMENT_SCHEDULE,
                          SC_CLOSE};

constexpr const char* kTapeTitle = "Tape";
// The tape's save dialog: closed at once, so that no random key or click saves or makes
// anything in the file system.
constexpr const char* kSaveTapeTitle = "Save Tape As";
constexpr const char* kScheduleTitle = "Payment Schedule";

std::string TitleOf(HWND hwnd)
{
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string Hex(UINT_PTR value)
{
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

struct Children {
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param)
{
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
        reinterpret_cast<Children*>(param)->found.push_back(hwnd);
    return TRUE;
}

// Makes the window the foreground one, waiting a little: a window that cannot come forward
// (a menu is open, another window is being made) takes the input wherever it goes, as a
// user's hurried typing would.
void Raise(HWND hwnd)
{
    if (GetForegroundWindow() == hwnd)
        return;
    SetForegroundWindow(hwnd);
    WaitUntil([&] { return GetForegroundWindow() == hwnd; }, 300);
}

// A move and the presses in one go, without waiting for the pointer to settle first: a
// user's quick click. Absolute positions are in 1/65536 of the screen.
void ClickQuickly(POINT screen, int presses)
{
    std::vector<INPUT> events;
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx =
        static_cast<LONG>((static_cast<LONGLONG>(screen.x) * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN));
    move.mi.dy =
        static_cast<LONG>((static_cast<LONGLONG>(screen.y) * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    events.push_back(move);
    for (int i = 0; i < presses; ++i) {
        INPUT press{};
        press.type = INPUT_MOUSE;
        press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        events.push_back(press);
        press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        events.push_back(press);
    }
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

}  // namespace

unsigned FreshSeed()
{
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const unsigned seed = static_cast<unsigned>(now.QuadPart ^ (now.QuadPart >> 32)) ^ GetCurrentProcessId();
    return seed == 0 ? 1 : seed;
}

bool ReadsAsNumber(const std::string& text, bool anyBase)
{
    std::string t;
    for (char c : text)
        if (c != ' ')
            t += c;
    static const std::regex decimal("[+-]?(inf|nan|[0-9]*([.,][0-9]*)?(e[+-]?[0-9]*)?)%?",
                                    std::regex::icase | std::regex::optimize);
    static const std::regex radix("-?[0-9A-F]*", std::regex::icase | std::regex::optimize);
    return std::regex_match(t, decimal) || (anyBase && std::regex_match(t, radix));
}

bool ReadsAsLoanField(const std::string& text)
{
    if (ReadsAsNumber(text, false))
        return true;
    return text.find_first_not_of("0123456789abcdefABCDEF.,+-% ") == std::string::npos;
}

bool ReadsAsExtra(const std::string& text)
{
    static const std::regex extra("[0-9]*([.,][0-9]{0,2})?", std::regex::optimize);
    return text.size() <= 62 && std::regex_match(text, extra);
}

bool ReadsAsLoanResult(const std::string& text)
{
    const size_t dash = text.find(" - ");
    if (dash == std::string::npos)
        return ReadsAsNumber(text, false);
    return ReadsAsNumber(text.substr(0, dash), false) && ReadsAsNumber(text.substr(dash + 3), false);
}

std::string RandomClipboardText(std::mt19937& random)
{
    auto draw = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    std::string text;
    switch (draw(6)) {
    case 0:  // random bytes; CF_TEXT ends at the first zero, so none inside
        for (int i = draw(64) + 1; i > 0; --i)
            text += static_cast<char>(draw(255) + 1);
        break;
    case 1: {  // long: a column of sums or a megabyte-sized number
        const int length = 1000 + draw(200000);
        const std::string unit = draw(2) ? "12+" : "7";
        while (static_cast<int>(text.size()) < length)
            text += unit;
        break;
    }
    case 2: {  // every character class
        static const char kinds[] = "09azAZ.,;:+-*/=%()[]{}<>!?\"'`~@#$^&|\\_ \t\r\n\x7f\x80\xa0\xe9\xff";
        for (int i = draw(40) + 1; i > 0; --i)
            text += kinds[draw(sizeof kinds - 1)];
        break;
    }
    case 3: {  // numbers as users copy them from elsewhere
        static const char* const numbers[] = {
            "12.5", "-0",   "1,5",  "1e308",        "1e-320", "  42 \r\n", "3.14159265358979323846", "0x1F",
            "inf",  "-nan", "100%", "1 234 567.89", "2+3=",   "1/0=",      "9999999999999999999999"};
        text = numbers[draw(sizeof numbers / sizeof numbers[0])];
        break;
    }
    case 4: break;  // empty
    default:        // digits and operators, as a calculation
        for (int i = draw(30) + 1; i > 0; --i)
            text += kTyped[draw(sizeof kTyped - 1)];
        break;
    }
    return text;
}

RandomAfternoon::RandomAfternoon(AppProcess& app, const Edition& edition, const std::string& exePath,
                                 unsigned seed)
    : app_(app), edition_(edition), exePath_(exePath), seed_(seed), random_(seed)
{
}

std::vector<HWND> RandomAfternoon::Windows() const
{
    return ProcessWindows(app_.ProcessId());
}

HWND RandomAfternoon::Main() const
{
    for (HWND hwnd : ProcessWindowsTitled(app_.ProcessId(), edition_.title))
        if (IsWindowVisible(hwnd))
            return hwnd;
    return nullptr;
}

// The window a user would be looking at: the topmost visible, enabled, titled window of
// the program (a menu or a tooltip is not one).
HWND RandomAfternoon::Front() const
{
    for (HWND hwnd : Windows())  // in z-order, the top first
        if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd) && !TitleOf(hwnd).empty())
            return hwnd;
    return Main();
}

void RandomAfternoon::Note(const std::string& what)
{
    recent_.push_back(std::to_string(figures_.events) + ": " + what);
    if (recent_.size() > kRecentEvents)
        recent_.pop_front();
}

testing::AssertionResult RandomAfternoon::Fault(const std::string& what) const
{
    std::ostringstream out;
    out << what << "\n  after event " << figures_.events << " of the run with seed " << seed_
        << " (replay with --seed=" << seed_ << "); the last events:";
    for (const std::string& event : recent_)
        out << "\n    " << event;
    out << "\n  the program's windows now:";
    for (HWND hwnd : Windows())
        out << "\n    " << Hex(reinterpret_cast<UINT_PTR>(hwnd)) << " \"" << TitleOf(hwnd) << "\" "
            << ClassOf(hwnd) << (IsWindowVisible(hwnd) ? " visible" : " hidden")
            << (IsWindowEnabled(hwnd) ? "" : " disabled");
    return testing::AssertionFailure() << out.str();
}

void RandomAfternoon::Key()
{
    const HWND front = Front();
    if (front != nullptr)
        Raise(front);
    const int kind = Draw(20);
    if (kind == 0) {
        Note("Alt+Space");
        PressChord({VK_MENU}, VK_SPACE);
        return;
    }
    if (kind <= 4) {
        std::string text;
        for (int i = Draw(6) + 1; i > 0; --i)
            text += kTyped[Draw(sizeof kTyped - 1)];
        Note("types \"" + text + "\"");
        TypeText(text);
        return;
    }
    const WORD vk = kKeys[Draw(sizeof kKeys / sizeof kKeys[0])];
    const int chord = Draw(20);
    if (chord < 12) {
        Note("key " + Hex(vk));
        PressKey(vk);
    } else if (chord < 15) {
        Note("Shift+" + Hex(vk));
        PressChord({VK_SHIFT}, vk);
    } else if (chord < 19) {
        Note("Ctrl+" + Hex(vk));
        PressChord({VK_CONTROL}, vk);
    } else {
        Note("Ctrl+Shift+" + Hex(vk));
        PressChord({VK_CONTROL, VK_SHIFT}, vk);
    }
}

void RandomAfternoon::Click()
{
    const HWND front = Front();
    if (front == nullptr)
        return;
    POINT point{};
    Children children;
    EnumChildWindows(front, CollectChild, reinterpret_cast<LPARAM>(&children));
    if (!children.found.empty() && Draw(10) < 7) {
        const HWND child = children.found[static_cast<size_t>(Draw(static_cast<int>(children.found.size())))];
        RECT rect{};
        GetWindowRect(child, &rect);
        point = CentreOf(rect);
        Note("clicks control " + std::to_string(GetDlgCtrlID(child)) + " of \"" + TitleOf(front) + "\"");
    } else {
        // Anywhere in the window's client area. Not on its caption: under Wine a press there
        // enters the move loop, which a synthetic click can leave waiting for a release.
        RECT rect{};
        GetClientRect(front, &rect);
        MapWindowPoints(front, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        point.x = rect.left + Draw(std::max<LONG>(1, Width(rect)));
        point.y = rect.top + Draw(std::max<LONG>(1, Height(rect)));
        Note("clicks (" + std::to_string(point.x - rect.left) + "," + std::to_string(point.y - rect.top) +
             ") of \"" + TitleOf(front) + "\"");
    }
    ClickQuickly(point, Draw(8) == 0 ? 2 : 1);
}

void RandomAfternoon::Command()
{
    // Usually to the window in front, as a menu choice or an accelerator gives it; now and
    // then to the calculator behind a window it opened, as a command queued just before.
    HWND target = Front();
    const std::string title = target != nullptr ? TitleOf(target) : "";
    if (title != edition_.title && title != edition_.loanTitle && title != kTapeTitle)
        target = Draw(3) == 0 ? Main() : nullptr;
    if (target == nullptr)
        return;
    // Sometimes two or three at once, each taken before the window of the one before shows.
    for (int n = Draw(6) == 0 ? 2 + Draw(2) : 1; n > 0; --n) {
        const UINT command = kCommands[Draw(sizeof kCommands / sizeof kCommands[0])];
        if (command == SC_CLOSE && Draw(3) != 0)
            continue;  // rarer than the others
        switch (command) {
        case IDM_BIG_FONT: ++figures_.recreations; break;
        case IDM_RUN_LOAN_CALCULATOR: ++figures_.loanOpenings; break;
        case IDM_SET_COLORS: ++figures_.colourOpenings; break;
        case IDM_QUICK_HELP: ++figures_.aboutOpenings; break;
        case IDM_PAYMENT_SCHEDULE: ++figures_.scheduleCommands; break;
        case IDM_SHOW_TAPE:
        case IDM_COPY_TAPE:
        case IDM_DELETE_TAPE_LINES:
        case IDM_SELECT_ALL_TAPE:
        case IDM_CLEAR_TAPE:
        case IDM_USE_RESULT:
        case IDM_FORGET_TAPE: ++figures_.tapeCommands; break;
        default: break;
        }
        Note("posts command " + std::to_string(command) + " to \"" + TitleOf(target) + "\"");
        PostMessageA(target, WM_SYSCOMMAND, command, 0);
    }
}

void RandomAfternoon::Paste()
{
    const std::string text = RandomClipboardText(random_);
    const bool byKey = Draw(2) == 0;
    Note(std::string(byKey ? "Ctrl+V" : "posts Paste") + " of " + std::to_string(text.size()) + " bytes \"" +
         text.substr(0, 24) + (text.size() > 24 ? "...\"" : "\""));
    ++figures_.pastes;
    if (!SetClipboardText(text))
        return;  // the program held the clipboard: a user's paste would fail too
    const HWND front = Front();
    if (front == nullptr)
        return;
    if (byKey) {
        Raise(front);
        PressChord({VK_CONTROL}, 'V');
    } else {
        PostMessageA(front, WM_SYSCOMMAND, IDM_PASTE, 0);
    }
}

// Closes the window in front when it is not the calculator: the colours dialog with OK or
// Cancel, the About window, the loan window; so that none stays open for long.
void RandomAfternoon::CloseSomething()
{
    const HWND front = Front();
    if (front == nullptr || front == Main())
        return;
    const std::string title = TitleOf(front);
    if (title == kColoursTitle) {
        const int button = Draw(2) ? IDOK : IDCANCEL;
        Note(std::string("closes the colours dialog with ") + (button == IDOK ? "OK" : "Cancel"));
        PostMessageA(GetDlgItem(front, button), BM_CLICK, 0, 0);
    } else if (title == kAboutTitle) {
        Note("closes the About window");
        PostMessageA(front, WM_CLOSE, 0, 0);
    } else if (title == edition_.loanTitle) {
        Note("closes the loan window");
        PostMessageA(front, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (title == kScheduleTitle) {
        Note("closes the payment schedule");
        PostMessageA(front, WM_CLOSE, 0, 0);
    } else if (title == kTapeTitle && Draw(2) == 0) {
        Note("closes the tape");
        PostMessageA(front, WM_CLOSE, 0, 0);
    } else {
        Note("presses Escape on \"" + title + "\"");
        Raise(front);
        PressKey(VK_ESCAPE);
    }
}

// In the schedule: a click into the extra box, then random text typed there (any character
// a key makes, letters and signs among the digits) or a random clipboard pasted with Ctrl+V.
void RandomAfternoon::ExtraBox(HWND schedule)
{
    const HWND box = GetDlgItem(schedule, IDC_SCHEDULE_EXTRA);
    if (box == nullptr)
        return;
    Raise(schedule);
    RECT rect{};
    GetWindowRect(box, &rect);
    ClickQuickly(CentreOf(rect), 1);
    ++figures_.extraBoxTexts;
    if (Draw(4) == 0) {
        const std::string text = RandomClipboardText(random_);
        Note("pastes " + std::to_string(text.size()) + " bytes \"" + text.substr(0, 24) +
             "\" into the extra box");
        if (SetClipboardText(text))
            PressChord({VK_CONTROL}, 'V');
        return;
    }
    static const char kExtraKeys[] = "0123456789.,.,0123456789-+eEax %";
    std::string text;
    for (int i = Draw(12) + 1; i > 0; --i)
        text += kExtraKeys[Draw(sizeof kExtraKeys - 1)];
    Note("types \"" + text + "\" into the extra box");
    TypeText(text);
}

void RandomAfternoon::OneEvent()
{
    // With the schedule in front, now and then its extra box; with the loan window in front,
    // now and then the schedule, so that every short round reaches the box. Drawn only with
    // one of the two in front: the seeds kept from before replay as they did until then.
    const HWND front = Front();
    const std::string title = front != nullptr ? TitleOf(front) : "";
    if (title == kSaveTapeTitle) {
        Note("cancels the tape's save dialog");
        PostMessageA(front, WM_COMMAND, IDCANCEL, 0);
        PumpFor(20);
        return;
    }
    if ((title == kScheduleTitle || title == edition_.loanTitle) && Draw(3) == 0) {
        if (title == kScheduleTitle) {
            ExtraBox(front);
        } else {
            Note("posts command " + std::to_string(IDM_PAYMENT_SCHEDULE) + " to \"" + title + "\"");
            ++figures_.scheduleCommands;
            PostMessageA(front, WM_SYSCOMMAND, IDM_PAYMENT_SCHEDULE, 0);
        }
        ++figures_.events;
        PumpFor(static_cast<DWORD>(Draw(15)));
        return;
    }
    const int kind = Draw(100);
    if (kind < 40)
        Key();
    else if (kind < 68)
        Click();
    else if (kind < 80)
        Command();
    else if (kind < 88)
        Paste();
    else
        CloseSomething();
    ++figures_.events;
    // Users are not evenly paced: some events come at once, some after a pause.
    PumpFor(static_cast<DWORD>(Draw(4) == 0 ? Draw(120) : Draw(15)));
}

testing::AssertionResult RandomAfternoon::Restart()
{
    ++figures_.closedByTheUser;
    std::string error;
    if (!app_.Start(exePath_, error))
        return Fault(error);
    if (app_.WaitForWindow(edition_.title, kStartMs) == nullptr)
        return Fault("the program did not show its window again after a clean end");
    Note("starts the program again");
    return testing::AssertionSuccess();
}

testing::AssertionResult RandomAfternoon::Check()
{
    if (!app_.Running()) {
        const DWORD code = app_.ExitCode();
        if (code != 0)
            return Fault("the program ended with code " + Hex(code));
        return Restart();
    }
    for (HWND hwnd : Windows()) {
        DWORD_PTR result = 0;
        if (IsWindow(hwnd) && !SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &result) &&
            IsWindow(hwnd))
            return Fault("the window \"" + TitleOf(hwnd) + "\" did not answer within 2 s");
    }
    // A re-created window is hidden for a moment, and a user closing the program is in the
    // middle of it: both are fine as long as they end.
    HWND main = nullptr;
    WaitUntil([&] { return (main = Main()) != nullptr || !app_.Running(); }, kReappearMs);
    if (!app_.Running())
        return Check();
    if (main == nullptr)
        return Fault("the program runs but no calculator window is in sight");
    if (IsIconic(main)) {
        Note("restores the minimised calculator");
        ShowWindow(main, SW_RESTORE);
    }
    if (!OnTheDesktop(main))
        return Fault("the calculator lies off the desktop, at " + std::to_string(WindowRect(main).left) +
                     ", " + std::to_string(WindowRect(main).top));
    for (int id : {IDC_PANEL_RESULT, IDC_PANEL_CURRENT, IDC_PANEL_OTHER, IDC_PANEL_INTEGER}) {
        const std::string text = ControlText(main, id);
        if (!ReadsAsNumber(text, id == IDC_PANEL_INTEGER))
            return Fault("panel " + std::to_string(id) + " reads \"" + text + "\"");
    }
    for (HWND loan : ProcessWindowsTitled(app_.ProcessId(), edition_.loanTitle)) {
        for (int id : {IDC_LOAN_AMOUNT, IDC_LOAN_RATE, IDC_LOAN_TERM}) {
            const std::string text = ControlText(loan, id);
            if (!ReadsAsLoanField(text))
                return Fault("loan panel " + std::to_string(id) + " reads \"" + text + "\"");
        }
        const std::string result = ControlText(loan, IDC_LOAN_RESULT);
        if (!ReadsAsLoanResult(result))
            return Fault("the loan result reads \"" + result + "\"");
    }
    for (HWND schedule : ProcessWindowsTitled(app_.ProcessId(), kScheduleTitle)) {
        const std::string extra = ControlText(schedule, IDC_SCHEDULE_EXTRA);
        if (!ReadsAsExtra(extra))
            return Fault("the extra box reads \"" + extra + "\"");
        const std::string savings = ControlText(schedule, IDC_SCHEDULE_SAVINGS);
        if (!savings.empty() && savings.rfind("Paid off ", 0) != 0)
            return Fault("the savings line reads \"" + savings + "\"");
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult RandomAfternoon::Play(int events)
{
    while (figures_.events < events) {
        for (int i = 0; i < kBurst && figures_.events < events; ++i)
            OneEvent();
        const testing::AssertionResult checked = Check();
        if (!checked)
            return checked;
        if (figures_.events % 5000 < kBurst) {
            std::printf("random input: %d events so far\n", figures_.events);
            std::fflush(stdout);
        }
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult RandomAfternoon::CloseAll()
{
    // The windows a calculator opened run inside its own run: they go first, the last
    // opened first, and the calculator last.
    for (int round = 0; round < 20 && app_.Running(); ++round) {
        const HWND front = Front();
        if (front == nullptr || front == Main())
            break;
        CloseSomething();
        WaitUntil([&] { return !IsWindow(front) || !app_.Running(); }, kReappearMs);
    }
    if (!app_.Running())
        return app_.ExitCode() == 0 ? testing::AssertionSuccess() : Fault("the program ended with an error");
    const HWND main = Main();
    if (main == nullptr)
        return Fault("no calculator window to close");
    Note("closes the calculator");
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (!app_.WaitForExit(10000))
        return Fault("the program still runs 10 s after its calculator was closed");
    if (app_.ExitCode() != 0)
        return Fault("the program ended with code " + Hex(app_.ExitCode()));
    return testing::AssertionSuccess();
}

}  // namespace e2e
