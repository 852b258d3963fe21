#pragma once
#include <cstdint>
#include <string>

#include "color_scheme.h"
#include "edition.h"
#include "high_contrast.h"
#include "registry_port.h"
#include "window_options.h"

constexpr size_t kLoanColorCount = 9;

// A stored input text of kLoanTextCapacity bytes or more, its terminating zero included, is
// not taken back at the next start. So that no input is lost that way, no field ever holds
// more than kLoanTextMaxLength characters.
constexpr size_t kLoanTextCapacity = 64;
constexpr size_t kLoanTextMaxLength = kLoanTextCapacity - 2;

// Indices of the loan window's colours.
enum LoanColor : size_t {
    kLoanInputText = 0,
    kLoanResultText = 1,
    kLoanInputBack = 2,
    kLoanResultBack = 3,
    kLoanDigitKeysText = 4,
    kLoanEqualsKeyText = 5,
    kLoanPointKeyText = 6,
    kLoanDialogBack = 7,
    kLoanKeyBack = 8,
};

// The stored state of the loan window: options, colours, position and the three inputs.
// Flags are bytes holding 0 or 1.
struct LoanSettings : WindowOptions {
    uint8_t bExitByEscape = 1;
    uint8_t bClearByEscape = 0;
    uint8_t bSystemBackgrounds = 0;
    uint8_t bCommaPoint = 0;
    Color crLoanColors[kLoanColorCount] = {};
    std::string strAmount = "1000";
    std::string strMonths = "12";
    std::string strPercent = "10%";
};

// The loan colours' defaults; the last two follow the system button face.
void SetDefaultLoanColors(LoanSettings& settings, Color buttonFace);

// The calculator hands its colours and its "System Backgrounds" option to the loan window
// each time it opens it.
void CopyCalculatorColors(const ColorScheme& calculator, LoanSettings& settings);

// The loan window's colours while High Contrast is on: the panels in the window colours, the
// keys in the button colours, the window's background the button face.
void ShowLoanInHighContrast(Color (&colors)[kLoanColorCount], const HighContrastColors& system);

const char* LoanSettingsKey(Edition edition);

// Writes every value; nothing when the key cannot be created.
void SaveLoanSettings(IRegistry& registry, Edition edition, const LoanSettings& settings);

// Reads the record over the current values: whatever is missing or does not fit keeps its value.
void LoadLoanSettings(IRegistry& registry, Edition edition, LoanSettings& settings);
