// Base of every end-to-end test: a clean start (no leftover calculator, no stored settings)
// and a clean end (the calculator closed or killed), whatever the test did in between.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "app_process.h"
#include "e2e_options.h"
#include "registry_access.h"

namespace e2e {

// The title of the About window, the same in both editions.
constexpr const char* kAboutTitle = "Help - About";

class CalculatorTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const Edition& CurrentEdition() const { return CurrentOptions().edition; }

    // Deletes the edition's settings key and its loan calculator's key, so the next start is a
    // first start of both.
    void ResetSettings();
    void WriteSetting(const std::string& name, DWORD type, const Bytes& bytes);
    std::optional<RegistryValue> ReadSetting(const std::string& name) const;
    void WriteLoanSetting(const std::string& name, DWORD type, const Bytes& bytes);
    std::optional<RegistryValue> ReadLoanSetting(const std::string& name) const;

    // Starts the program and waits for its window; a fatal failure when it does not show.
    // Call through ASSERT_NO_FATAL_FAILURE.
    void StartCalculator();
    // Starts a copy of the program at this path from now on (one that is portable); the
    // leftovers a test ends are still found by the program's file name.
    void RunFrom(const std::string& exePath) { programPath_ = exePath; }
    // Closes it with the Close system command and expects it to end by itself.
    void CloseCalculator();

    HWND Window() const { return app_.Window(); }

    // After the window ended to be created again (Big Font): waits for the new window of the
    // same process and makes it the one the test works with. Call through
    // ASSERT_NO_FATAL_FAILURE.
    void WaitForRecreatedWindow(HWND old);

    // The program's loan calculator window or About window once it shows and answers; null
    // when none appears within a generous wait. `except` is not taken.
    HWND WaitForLoanWindow(HWND except = nullptr);
    HWND WaitForAboutWindow();

    // Where a screenshot named `name` goes; empty when screenshots are not wanted.
    std::string ScreenshotPath(const std::string& name) const;

    AppProcess app_;

private:
    std::string programPath_;  // empty: the program the command line names
};

}  // namespace e2e
