#include "loan_settings.h"
#include "settings_record.h"

namespace {

// The keypad edits the rate in front of its "%" and takes that character off first, so a
// stored rate without one would lose a digit on the next key. A rate that its "%" would make
// too long to be read again is not taken.
bool EndsWithPercent(std::string& rate)
{
    if (rate.empty() || rate.back() != '%')
        rate += '%';
    return rate.size() + 1 < kLoanTextCapacity;
}

}  // namespace

void SetDefaultLoanColors(LoanSettings& settings, Color buttonFace)
{
    const Color defaults[kLoanColorCount] = {0xC00000, 0x0000C0, 0xFFFFFF,   0xFFFFFF,  0xC00000,
                                             0x0000C0, 0x0000C0, buttonFace, buttonFace};
    for (size_t i = 0; i < kLoanColorCount; ++i)
        settings.crLoanColors[i] = defaults[i];
}

void CopyCalculatorColors(const ColorScheme& calculator, LoanSettings& settings)
{
    static const BasicColor kSource[kLoanColorCount] = {kEnterText,       kAccText,       kEnterBack,
                                                        kResultBack,      kDigitKeysText, kOperations1Text,
                                                        kOperations2Text, kDialogBack,    kKeyBack};
    for (size_t i = 0; i < kLoanColorCount; ++i)
        settings.crLoanColors[i] = calculator.crBasicColors[kSource[i]];
    settings.bSystemBackgrounds = calculator.bSystemBackgrounds;
}

void ShowLoanInHighContrast(Color (&colors)[kLoanColorCount], const HighContrastColors& system)
{
    colors[kLoanInputText] = system.windowText;
    colors[kLoanResultText] = system.windowText;
    colors[kLoanInputBack] = system.window;
    colors[kLoanResultBack] = system.window;
    colors[kLoanDigitKeysText] = system.buttonText;
    colors[kLoanEqualsKeyText] = system.buttonText;
    colors[kLoanPointKeyText] = system.buttonText;
    colors[kLoanDialogBack] = system.buttonFace;
    colors[kLoanKeyBack] = system.buttonFace;
}

const char* LoanSettingsKey(Edition edition)
{
    return edition == Edition::Styled ? "Software\\Brimwold\\Loan Calculator\\Styled"
                                      : "Software\\Brimwold\\Loan Calculator\\Classic";
}

namespace {

// The loan window's record, value by value in the order it is written; `Settings` is const
// for saving.
template <typename Walk, typename Settings> void WalkRecord(Walk& w, Edition edition, Settings& s)
{
    w.Words("Colors", s.crLoanColors, kLoanColorCount);
    w.Flag("System Backgrounds", s.bSystemBackgrounds);
    w.Flag("Exit by Escape", s.bExitByEscape);
    w.Flag("Clear by Escape", s.bClearByEscape);
    WalkWindowOptions(
        w, edition == Edition::Classic, s, [] {}, [&] { w.Flag("Comma Point", s.bCommaPoint); });
    w.Text("Amount", s.strAmount, kLoanTextCapacity);
    w.Text("Months", s.strMonths, kLoanTextCapacity);
    w.Text("Percent", s.strPercent, kLoanTextCapacity, EndsWithPercent);
}

}  // namespace

void SaveLoanSettings(IRegistry& registry, Edition edition, const LoanSettings& settings)
{
    WalkKey<RecordWriter>(registry.Create(LoanSettingsKey(edition)),
                          [&](RecordWriter& w) { WalkRecord(w, edition, settings); });
}

void LoadLoanSettings(IRegistry& registry, Edition edition, LoanSettings& settings)
{
    WalkKey<RecordReader>(registry.Open(LoanSettingsKey(edition)),
                          [&](RecordReader& r) { WalkRecord(r, edition, settings); });
}
