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

class CalculatorTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const Edition& CurrentEdition() const { return CurrentOptions().edition; }

    // Deletes the edition's settings key, so the next start is a first start.
    void ResetSettings();
    void WriteSetting(const std::string& name, DWORD type, const Bytes& bytes);
    std::optional<RegistryValue> ReadSetting(const std::string& name) const;

    // Starts the program and waits for its window; a fatal failure when it does not show.
    // Call through ASSERT_NO_FATAL_FAILURE.
    void StartCalculator();
    // Closes it with the Close system command and expects it to end by itself.
    void CloseCalculator();

    HWND Window() const { return app_.Window(); }

    // Where a screenshot named `name` goes; empty when screenshots are not wanted.
    std::string ScreenshotPath(const std::string& name) const;

    AppProcess app_;
};

} // namespace e2e
