#include "calculator_fixture.h"

#include "wine_paths.h"

namespace e2e {

namespace {

// The first window of a run also starts Wine's desktop process, which can take 10 s or more
// (it waits for the RPC service, which fails to start in our sessions).
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kCloseTimeoutMs = 10000;

}  // namespace

void CalculatorTest::SetUp()
{
    // A calculator left running would make every start exit at once (one instance only).
    KillProcessesRunning(CurrentOptions().exePath);
    ResetSettings();
}

void CalculatorTest::TearDown()
{
    if (app_.Running())
        app_.Close(kCloseTimeoutMs);
    KillProcessesRunning(CurrentOptions().exePath);
}

void CalculatorTest::ResetSettings()
{
    ASSERT_TRUE(DeleteKeyTree(CurrentEdition().registryKey)) << CurrentEdition().registryKey;
    ASSERT_TRUE(DeleteKeyTree(CurrentEdition().loanRegistryKey)) << CurrentEdition().loanRegistryKey;
}

void CalculatorTest::WriteSetting(const std::string& name, DWORD type, const Bytes& bytes)
{
    ASSERT_TRUE(WriteValue(CurrentEdition().registryKey, name, type, bytes)) << name;
}

std::optional<RegistryValue> CalculatorTest::ReadSetting(const std::string& name) const
{
    return ReadValue(CurrentEdition().registryKey, name);
}

void CalculatorTest::WriteLoanSetting(const std::string& name, DWORD type, const Bytes& bytes)
{
    ASSERT_TRUE(WriteValue(CurrentEdition().loanRegistryKey, name, type, bytes)) << name;
}

std::optional<RegistryValue> CalculatorTest::ReadLoanSetting(const std::string& name) const
{
    return ReadValue(CurrentEdition().loanRegistryKey, name);
}

void CalculatorTest::StartCalculator()
{
    std::string error;
    ASSERT_TRUE(app_.Start(programPath_.empty() ? CurrentOptions().exePath : programPath_, error)) << error;
    const HWND window = app_.WaitForWindow(CurrentEdition().title, kStartTimeoutMs);
    ASSERT_NE(window, nullptr) << "no window titled \"" << CurrentEdition().title << "\" appeared"
                               << (app_.Running()
                                       ? ""
                                       : "; the program ended with code " + std::to_string(app_.ExitCode()));
}

void CalculatorTest::CloseCalculator()
{
    ASSERT_TRUE(app_.Close(kCloseTimeoutMs)) << "the Close system command did not end the program";
}

void CalculatorTest::WaitForRecreatedWindow(HWND old)
{
    const HWND window = app_.WaitForWindow(CurrentEdition().title, kStartTimeoutMs, old);
    ASSERT_NE(window, nullptr) << "no new window titled \"" << CurrentEdition().title << "\" appeared"
                               << (app_.Running()
                                       ? ""
                                       : "; the program ended with code " + std::to_string(app_.ExitCode()));
}

HWND CalculatorTest::WaitForLoanWindow(HWND except)
{
    return WaitForProcessWindow(app_.ProcessId(), CurrentEdition().loanTitle, kStartTimeoutMs, except);
}

HWND CalculatorTest::WaitForAboutWindow()
{
    return WaitForProcessWindow(app_.ProcessId(), kAboutTitle, kStartTimeoutMs);
}

std::string CalculatorTest::ScreenshotPath(const std::string& name) const
{
    const std::string& folder = CurrentOptions().screenshotDir;
    if (folder.empty() || !EnsureFolder(folder))
        return {};
    return JoinPath(folder, name);
}

}  // namespace e2e
