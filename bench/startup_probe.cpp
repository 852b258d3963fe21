// Start-up, type-ahead, key latency and memory of the two calculators against an empty dialog,
// measured from outside as a user sees them: from CreateProcess to a painted window, and from
// a real key event to the panel's new text. Prints rows of a Markdown table.
//
//   startup_probe --runs=N --classic=EXE --styled=EXE --empty=EXE
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "command_ids.h"
#include "control_ids.h"

namespace {

constexpr DWORD kWaitMs = 30000;  // the first start of a session also starts Wine's desktop
constexpr int kLatencyKeys = 1000;
constexpr int kTypeAheadTrials = 5;

struct Program {
    std::string label;
    std::string exe;
    std::string title;
    bool calculator;
};

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index =
        std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5));
    return values[index];
}

void ForgetSettings()
{
    // Every start is a first start: no stored position, options or numbers.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brimwold");
}

struct Run {
    PROCESS_INFORMATION info{};
    HWND window = nullptr;

    bool Start(const std::string& exe)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + exe + "\"";
        return CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info) != FALSE;
    }

    // The process's top-level window with this title, visible or not.
    HWND Find(const std::string& title) const
    {
        HWND found = nullptr;
        while ((found = FindWindowExA(nullptr, found, nullptr, title.c_str())) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(found, &pid);
            if (pid == info.dwProcessId)
                return found;
        }
        return nullptr;
    }

    void Stop()
    {
        if (info.hProcess == nullptr)
            return;
        if (window != nullptr)
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(info.hProcess, 1);
            WaitForSingleObject(info.hProcess, 10000);
        }
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        info = {};
        window = nullptr;
    }
};

std::string Text(HWND window)
{
    char buffer[256] = {};
    DWORD_PTR length = 0;
    if (SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL,
                            5000, &length) == 0)
        return {};
    return std::string(buffer, std::min<size_t>(length, sizeof buffer - 1));
}

bool PixelIs(HDC screen, LONG x, LONG y, int sysColor)
{
    return GetPixel(screen, x, y) == GetSysColor(sysColor);
}

// Painted: the dialog's face shows on the screen, and for a calculator its down window too,
// with its text. Until then the screen shows what lay beneath.
bool Painted(const Program& program, HWND window)
{
    if (!IsWindowVisible(window))
        return false;
    RECT client{};
    GetClientRect(window, &client);
    POINT corner = {2, 2};
    ClientToScreen(window, &corner);
    HDC screen = GetDC(nullptr);
    bool painted = PixelIs(screen, corner.x, corner.y, COLOR_BTNFACE);
    if (painted && program.calculator) {
        HWND panel = GetDlgItem(window, IDC_PANEL_CURRENT);
        RECT rect{};
        painted = panel != nullptr && GetWindowRect(panel, &rect) &&
                  PixelIs(screen, rect.left + 4, (rect.top + rect.bottom) / 2, COLOR_WINDOW) &&
                  !Text(panel).empty();
    } else if (painted) {
        POINT centre = {client.right / 2, client.bottom / 2};
        ClientToScreen(window, &centre);
        painted = PixelIs(screen, centre.x, centre.y, COLOR_BTNFACE);
    }
    ReleaseDC(nullptr, screen);
    return painted;
}

struct Memory {
    double privateKb = 0;
    double peakPagefileKb = 0;
    bool fromPagefile = false;  // Wine leaves PrivateUsage at 0; its PagefileUsage is the commit
};

Memory MemoryOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    Memory memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        memory.privateKb = static_cast<double>(counters.PrivateUsage) / 1024.0;
        if (counters.PrivateUsage == 0) {
            memory.privateKb = static_cast<double>(counters.PagefileUsage) / 1024.0;
            memory.fromPagefile = true;
        }
        memory.peakPagefileKb = static_cast<double>(counters.PeakPagefileUsage) / 1024.0;
    }
    return memory;
}

// Milliseconds from CreateProcess to the painted window; negative when it never showed.
double StartOnce(const Program& program, Memory* memory)
{
    ForgetSettings();
    Run run;
    const double start = Now();
    if (!run.Start(program.exe))
        return -1;
    double elapsed = -1;
    while (Now() - start < kWaitMs) {
        if (run.window == nullptr)
            run.window = run.Find(program.title);
        if (run.window != nullptr && Painted(program, run.window)) {
            elapsed = Now() - start;
            break;
        }
        Sleep(1);  // a busy probe would take the CPU the program needs to start
    }
    if (memory != nullptr && elapsed >= 0)
        *memory = MemoryOf(run.info.hProcess);
    run.Stop();
    Sleep(300);  // the desktop repaints where the window was
    return elapsed;
}

bool SendKey(WORD vk, bool shift)
{
    INPUT inputs[4] = {};
    int count = 0;
    auto add = [&](WORD key, DWORD flags) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = key;
        inputs[count].ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        inputs[count].ki.dwFlags = flags;
        ++count;
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(vk, 0);
    add(vk, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    return SendInput(static_cast<UINT>(count), inputs, sizeof(INPUT)) == static_cast<UINT>(count);
}

bool TypeChars(const char* text)
{
    for (const char* c = text; *c != '\0'; ++c) {
        const SHORT scan = VkKeyScanA(*c);
        if (scan == -1 || !SendKey(LOBYTE(scan), (HIBYTE(scan) & 1) != 0))
            return false;
    }
    return true;
}

bool WaitForText(HWND control, const char* expected, DWORD timeoutMs)
{
    const double start = Now();
    while (Now() - start < timeoutMs) {
        if (Text(control) == expected)
            return true;
        Sleep(0);
    }
    return false;
}

// When "12+5=" is typed after the start: the moment the window exists, the moment it shows,
// or the moment it is the foreground window.
enum class TypeWhen { Exists, Visible, Active };

// Does the result read 17? `last` gets what the result panel read in the last failed trial.
int TypeAheadSuccesses(const Program& program, TypeWhen when, std::string& last)
{
    int successes = 0;
    for (int trial = 0; trial < kTypeAheadTrials; ++trial) {
        ForgetSettings();
        Run run;
        if (!run.Start(program.exe))
            continue;
        const double start = Now();
        HWND found = nullptr;
        while (Now() - start < kWaitMs) {
            found = run.Find(program.title);
            if (found != nullptr && (when == TypeWhen::Exists || IsWindowVisible(found)))
                break;
            found = nullptr;
            Sleep(0);
        }
        run.window = found;
        if (run.window != nullptr) {
            SetForegroundWindow(run.window);
            if (when == TypeWhen::Active) {
                const double front = Now();
                while (GetForegroundWindow() != run.window && Now() - front < 5000)
                    Sleep(0);
            }
            HWND result = GetDlgItem(run.window, IDC_PANEL_RESULT);
            if (TypeChars("12+5=") && WaitForText(result, "17", 5000))
                ++successes;
            else
                last = Text(result);
        }
        run.Stop();
        Sleep(300);
    }
    return successes;
}

struct Latency {
    std::vector<double> keys;        // ms per key, from SendInput to the new panel text
    std::vector<double> roundTrips;  // ms per cross-process WM_GETTEXT of the same panel
    int lost = 0;
    Memory after;
    double paste = -1;        // ms for the Paste command of a 1 MB text, -1 when it did not answer
    double pasteOnTape = -1;  // the same with the tape shown, which keeps the last 1 000 lines
};

// A 1 MB column of sums on the clipboard, then the Paste command sent and answered.
double TimePaste(HWND window)
{
    constexpr size_t kSize = 1 << 20;
    std::string text;
    text.reserve(kSize);
    while (text.size() < kSize)
        text += "12+";
    if (!OpenClipboard(nullptr))
        return -1;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block != nullptr) {
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
    DWORD_PTR ignored = 0;
    const double t = Now();
    if (!SendMessageTimeoutA(window, WM_SYSCOMMAND, IDM_PASTE, 0, SMTO_NORMAL, 60000, &ignored))
        return -1;
    return Now() - t;
}

Latency MeasureLatency(const Program& program)
{
    Latency latency;
    ForgetSettings();
    Run run;
    if (!run.Start(program.exe))
        return latency;
    const double start = Now();
    while (Now() - start < kWaitMs && (run.window == nullptr || !Painted(program, run.window))) {
        if (run.window == nullptr)
            run.window = run.Find(program.title);
        Sleep(1);
    }
    if (run.window == nullptr) {
        run.Stop();
        return latency;
    }
    SetForegroundWindow(run.window);
    const double front = Now();
    while (GetForegroundWindow() != run.window && Now() - front < 5000)
        Sleep(1);
    HWND panel = GetDlgItem(run.window, IDC_PANEL_CURRENT);
    for (int i = 0; i < 200; ++i) {
        const double t = Now();
        Text(panel);
        latency.roundTrips.push_back(Now() - t);
    }
    for (int i = 0; i < kLatencyKeys; ++i) {
        // A digit, then Delete back to 0: every key changes the panel's text.
        const bool digit = i % 2 == 0;
        const double t = Now();
        if (!SendKey(digit ? '7' : VK_DELETE, false) || !WaitForText(panel, digit ? "7" : "0", 5000)) {
            ++latency.lost;
            continue;
        }
        latency.keys.push_back(Now() - t);
    }
    latency.after = MemoryOf(run.info.hProcess);
    latency.paste = TimePaste(run.window);
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutA(run.window, WM_SYSCOMMAND, IDM_SHOW_TAPE, 0, SMTO_NORMAL, 5000, &ignored))
        latency.pasteOnTape = TimePaste(run.window);
    run.Stop();
    Sleep(300);
    return latency;
}

std::string Option(int argc, char** argv, const char* name)
{
    const size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=')
            return argv[i] + length + 1;
    return {};
}

void Row(const std::string& measure, const std::string& value, const std::string& baseline, double ratio,
         const std::string& goal)
{
    char ratioText[32] = "";
    if (ratio > 0)
        std::snprintf(ratioText, sizeof ratioText, "%.2f×", ratio);
    std::printf("| %s | %s | %s | %s | %s |\n", measure.c_str(), value.c_str(), baseline.c_str(), ratioText,
                goal.c_str());
}

std::string Ms(double ms)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", ms);
    return text;
}

std::string Kb(double kb)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f KB", kb);
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = std::max(1, std::atoi(Option(argc, argv, "--runs").c_str()));
    const Program empty = {"Empty dialog", Option(argc, argv, "--empty"), "Tallyra Empty Dialog", false};
    const std::vector<Program> calculators = {
        {"Classic", Option(argc, argv, "--classic"), "Tallyra Classic", true},
        {"Styled", Option(argc, argv, "--styled"), "Tallyra Styled", true},
    };
    if (empty.exe.empty() || calculators[0].exe.empty() || calculators[1].exe.empty()) {
        std::fprintf(stderr, "usage: startup_probe --runs=N --classic=EXE --styled=EXE --empty=EXE\n");
        return 2;
    }

    // One start of each, not counted: the first start of a session also starts Wine's desktop.
    StartOnce(empty, nullptr);
    for (const Program& program : calculators)
        StartOnce(program, nullptr);

    // Interleaved, so that whatever else the machine does falls on all three alike.
    std::vector<double> emptyTimes;
    std::vector<std::vector<double>> times(calculators.size());
    std::vector<Memory> memory(calculators.size());
    Memory emptyMemory;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        const double e = StartOnce(empty, &emptyMemory);
        e >= 0 ? emptyTimes.push_back(e) : void(++failures);
        for (size_t c = 0; c < calculators.size(); ++c) {
            const double t = StartOnce(calculators[c], &memory[c]);
            t >= 0 ? times[c].push_back(t) : void(++failures);
        }
    }

    const double emptyMedian = Percentile(emptyTimes, 0.5);
    for (size_t c = 0; c < calculators.size(); ++c) {
        const double median = Percentile(times[c], 0.5);
        Row("Start-up to painted window, " + calculators[c].label + " (median of " +
                std::to_string(times[c].size()) + ")",
            Ms(median), "empty dialog " + Ms(emptyMedian), median / emptyMedian, "");
    }
    for (const Program& program : calculators) {
        for (TypeWhen when : {TypeWhen::Exists, TypeWhen::Visible, TypeWhen::Active}) {
            std::string last;
            const int successes = TypeAheadSuccesses(program, when, last);
            const std::string count = std::to_string(successes) + "/" + std::to_string(kTypeAheadTrials);
            const char* moment = when == TypeWhen::Exists    ? "exists"
                                 : when == TypeWhen::Visible ? "is visible"
                                                             : "is the foreground window";
            Row("\"12+5=\" typed as soon as the window " + std::string(moment) + ", " + program.label +
                    ": shows 17",
                successes == kTypeAheadTrials ? "yes (" + count + ")"
                                              : "no (" + count + "; the result panel read \"" + last + "\")",
                "", 0, when == TypeWhen::Active ? "yes" : "");
        }
    }
    for (size_t c = 0; c < calculators.size(); ++c) {
        const Latency latency = MeasureLatency(calculators[c]);
        const double roundTrip = Percentile(latency.roundTrips, 0.5);
        const std::string keys = std::to_string(latency.keys.size()) + " keys" +
                                 (latency.lost > 0 ? ", " + std::to_string(latency.lost) + " lost" : "");
        Row("Key latency, SendInput to panel text, " + calculators[c].label + " (median, " + keys + ")",
            Ms(Percentile(latency.keys, 0.5)), "WM_GETTEXT round trip " + Ms(roundTrip),
            Percentile(latency.keys, 0.5) / roundTrip, "");
        Row("Key latency, " + calculators[c].label + " (99th percentile)", Ms(Percentile(latency.keys, 0.99)),
            "WM_GETTEXT round trip " + Ms(Percentile(latency.roundTrips, 0.99)),
            Percentile(latency.keys, 0.99) / Percentile(latency.roundTrips, 0.99), "");
        Row("Paste of a 1 MB text, " + calculators[c].label,
            latency.paste < 0 ? "no answer within 60 s" : Ms(latency.paste), "", 0, "≤ 1000 ms");
        Row("Paste of a 1 MB text with the tape shown, " + calculators[c].label,
            latency.pasteOnTape < 0 ? "no answer within 60 s" : Ms(latency.pasteOnTape), "", 0, "≤ 1000 ms");
        Row(std::string(memory[c].fromPagefile ? "Private memory (PagefileUsage; Wine gives no PrivateUsage)"
                                               : "Private memory (PrivateUsage)") +
                " after start, " + calculators[c].label,
            Kb(memory[c].privateKb), "empty dialog " + Kb(emptyMemory.privateKb),
            memory[c].privateKb / emptyMemory.privateKb, "");
        Row("Peak pagefile use after " + std::to_string(kLatencyKeys) + " keys, " + calculators[c].label,
            Kb(latency.after.peakPagefileKb), "empty dialog " + Kb(emptyMemory.peakPagefileKb),
            latency.after.peakPagefileKb / emptyMemory.peakPagefileKb, "");
    }
    if (failures > 0)
        std::printf("\n%d start(s) did not reach a painted window within %lu s.\n", failures,
                    static_cast<unsigned long>(kWaitMs / 1000));
    return 0;
}
