#include "loan_settings.h"
#include "registry_values.h"

namespace {

// A text of this many bytes or more, terminating zero included, is not taken.
constexpr size_t kTextCapacity = 64;

bool HasKeyStyleOptions(Edition edition)
{
    return edition == Edition::Classic;
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

const char* LoanSettingsKey(Edition edition)
{
    return edition == Edition::Styled ? "Software\\Brimwold\\Loan Calculator\\Styled"
                                      : "Software\\Brimwold\\Loan Calculator\\Classic";
}

void SaveLoanSettings(IRegistry& registry, Edition edition, const LoanSettings& settings)
{
    std::unique_ptr<IRegistryKey> key = registry.Create(LoanSettingsKey(edition));
    if (!key)
        return;
    IRegistryKey& k = *key;
    WriteWords(k, "Colors", settings.crLoanColors, kLoanColorCount);
    WriteFlag(k, "System Backgrounds", settings.bSystemBackgrounds);
    WriteFlag(k, "Exit by Escape", settings.bExitByEscape);
    WriteFlag(k, "Clear by Escape", settings.bClearByEscape);
    WriteFlag(k, "Show Tips", settings.bShowTips);
    if (HasKeyStyleOptions(edition))
        WriteFlag(k, "Soft Btns", settings.bSoftButtons);
    WriteFlag(k, "Run Multiple", settings.bRunMultiple);
    WriteFlag(k, "Big Font", settings.bBigFont);
    WriteFlag(k, "Bold Result", settings.bBoldResult);
    if (HasKeyStyleOptions(edition))
        WriteFlag(k, "Bold Button", settings.bBoldButton);
    WriteFlag(k, "Comma Point", settings.bCommaPoint);
    WriteFlag(k, "On Top", settings.bOnTop);
    const int32_t position[2] = {settings.nPosX, settings.nPosY};
    WriteWords(k, "x,y", position, 2);
    WriteText(k, "Amount", settings.strAmount);
    WriteText(k, "Months", settings.strMonths);
    WriteText(k, "Percent", settings.strPercent);
}

void LoadLoanSettings(IRegistry& registry, Edition edition, LoanSettings& settings)
{
    std::unique_ptr<IRegistryKey> key = registry.Open(LoanSettingsKey(edition));
    if (!key)
        return;
    IRegistryKey& k = *key;
    ReadWords(k, "Colors", settings.crLoanColors, kLoanColorCount);
    ReadFlag(k, "Exit by Escape", settings.bExitByEscape);
    ReadFlag(k, "Clear by Escape", settings.bClearByEscape);
    ReadFlag(k, "System Backgrounds", settings.bSystemBackgrounds);
    ReadFlag(k, "Show Tips", settings.bShowTips);
    if (HasKeyStyleOptions(edition))
        ReadFlag(k, "Soft Btns", settings.bSoftButtons);
    ReadFlag(k, "Run Multiple", settings.bRunMultiple);
    ReadFlag(k, "Big Font", settings.bBigFont);
    ReadFlag(k, "Bold Result", settings.bBoldResult);
    if (HasKeyStyleOptions(edition))
        ReadFlag(k, "Bold Button", settings.bBoldButton);
    ReadFlag(k, "Comma Point", settings.bCommaPoint);
    ReadFlag(k, "On Top", settings.bOnTop);
    int32_t position[2] = {settings.nPosX, settings.nPosY};
    ReadWords(k, "x,y", position, 2);
    settings.nPosX = position[0];
    settings.nPosY = position[1];
    ReadText(k, "Amount", settings.strAmount, kTextCapacity);
    ReadText(k, "Months", settings.strMonths, kTextCapacity);
    // The keypad edits the rate in front of its "%" and takes that character off first, so
    // a stored rate without one would lose a digit on the next key. A rate that its "%" would
    // make too long to be read again is not taken.
    std::string percent;
    if (ReadText(k, "Percent", percent, kTextCapacity)) {
        if (percent.empty() || percent.back() != '%')
            percent += '%';
        if (percent.size() + 1 < kTextCapacity)
            settings.strPercent = percent;
    }
}
