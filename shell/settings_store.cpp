#include "settings_store.h"

#include "registry_values.h"
#include "state_rules.h"

namespace {

constexpr size_t kLastValuesSize = 32;
constexpr size_t kContextSize = 20;

bool HasKeyStyleOptions(Edition edition)
{
    // The Styled edition's keys are the system's push buttons: no soft or bold keys.
    return edition == Edition::Classic;
}

}  // namespace

const char* CalcSettingsKey(Edition edition)
{
    return edition == Edition::Styled ? "Software\\Brimwold\\Tallyra\\Styled"
                                      : "Software\\Brimwold\\Tallyra\\Classic";
}

void SaveSettings(IRegistry& registry, Edition edition, const CalcSettings& settings, const CalcState& state,
                  SharedSettings& shared)
{
    std::unique_ptr<IRegistryKey> key = registry.Create(CalcSettingsKey(edition));
    if (!key)
        return;
    IRegistryKey& k = *key;
    const ColorScheme& colors = settings.colors;
    WriteWords(k, "Basic Colors", colors.crBasicColors, kBasicColorCount);
    WriteWords(k, "Extended Colors", colors.crExtendedColors, kExtendedColorCount);
    WriteWords(k, "Custom Colors", shared.crCustomColors, kCustomColorCount);
    WriteFlag(k, "Extended View", settings.bExtendedView);
    WriteFlag(k, "System Backgrounds", colors.bSystemBackgrounds);
    WriteFlag(k, "Exit by Escape", settings.engine.bExitByEscape);
    WriteFlag(k, "Clear by Escape", settings.engine.bClearByEscape);
    WriteFlag(k, "Show Tips", settings.bShowTips);
    if (HasKeyStyleOptions(edition))
        WriteFlag(k, "Soft Btns", settings.bSoftButtons);
    WriteFlag(k, "In Memory", settings.engine.bInMemory);
    WriteFlag(k, "Show Precision", settings.bShowPrecision);
    WriteFlag(k, "Run Multiple", settings.bRunMultiple);
    WriteFlag(k, "Big Font", settings.bBigFont);
    WriteFlag(k, "Bold Result", settings.bBoldResult);
    if (HasKeyStyleOptions(edition))
        WriteFlag(k, "Bold Button", settings.bBoldButton);
    WriteFlag(k, "Comma Point", settings.engine.bCommaPoint);
    WriteFlag(k, "bAfter", state.bAfter ? 1 : 0);
    WriteFlag(k, "On Top", settings.bOnTop);
    const int32_t position[2] = {settings.nPosX, settings.nPosY};
    WriteWords(k, "x,y", position, 2);

    uint8_t lastValues[kLastValuesSize];
    PutDouble(lastValues, state.dUp);
    PutDouble(lastValues + 8, state.dCurrent);
    PutDouble(lastValues + 16, state.dAccumulator);
    PutDouble(lastValues + 24, state.dMemory);
    k.Write("Last Values", kRegBinary, lastValues, kLastValuesSize);

    const int32_t context[5] = {state.nActiveReg, state.nXWindow, state.nBase, state.nAngle, state.nLastOp};
    WriteWords(k, "Context", context, 5);

    ++shared.nRunQty;  // counts saves, not starts
    WriteDword(k, "Run Q-ty", shared.nRunQty);
    WriteDword(k, "nScale", static_cast<uint32_t>(state.nScale));
    WriteDword(k, "nAfter", static_cast<uint32_t>(state.nAfter));
}

void LoadSettings(IRegistry& registry, Edition edition, CalcSettings& settings, CalcState& state,
                  SharedSettings& shared)
{
    std::unique_ptr<IRegistryKey> key = registry.Open(CalcSettingsKey(edition));
    if (!key)
        return;
    IRegistryKey& k = *key;
    ColorScheme& colors = settings.colors;
    ReadWords(k, "Basic Colors", colors.crBasicColors, kBasicColorCount);
    ReadWords(k, "Extended Colors", colors.crExtendedColors, kExtendedColorCount);
    ReadWords(k, "Custom Colors", shared.crCustomColors, kCustomColorCount);
    ReadFlag(k, "Extended View", settings.bExtendedView);
    ReadFlag(k, "Exit by Escape", settings.engine.bExitByEscape);
    ReadFlag(k, "Clear by Escape", settings.engine.bClearByEscape);
    ReadFlag(k, "System Backgrounds", colors.bSystemBackgrounds);
    ReadFlag(k, "Show Tips", settings.bShowTips);
    if (HasKeyStyleOptions(edition))
        ReadFlag(k, "Soft Btns", settings.bSoftButtons);
    ReadFlag(k, "In Memory", settings.engine.bInMemory);
    ReadFlag(k, "Show Precision", settings.bShowPrecision);
    ReadFlag(k, "Run Multiple", settings.bRunMultiple);
    ReadFlag(k, "Big Font", settings.bBigFont);
    ReadFlag(k, "Bold Result", settings.bBoldResult);
    if (HasKeyStyleOptions(edition))
        ReadFlag(k, "Bold Button", settings.bBoldButton);
    ReadFlag(k, "Comma Point", settings.engine.bCommaPoint);
    uint8_t after = state.bAfter ? 1 : 0;
    ReadFlag(k, "bAfter", after);
    state.bAfter = after != 0;
    ReadFlag(k, "On Top", settings.bOnTop);
    int32_t position[2] = {settings.nPosX, settings.nPosY};
    ReadWords(k, "x,y", position, 2);
    settings.nPosX = position[0];
    settings.nPosY = position[1];

    // The two blocks are taken only when read whole or shorter; missing entries read as 0.
    uint8_t context[kContextSize] = {};
    if (ReadRaw(k, "Context", context, kContextSize) >= 0) {
        state.nActiveReg = static_cast<int32_t>(GetWord(context));
        state.nXWindow = static_cast<int32_t>(GetWord(context + 4));
        state.nBase = static_cast<int32_t>(GetWord(context + 8));
        state.nAngle = static_cast<int32_t>(GetWord(context + 12));
        state.nLastOp = static_cast<int32_t>(GetWord(context + 16));
    }
    uint8_t lastValues[kLastValuesSize] = {};  // all-zero bytes are four 0.0
    if (ReadRaw(k, "Last Values", lastValues, kLastValuesSize) >= 0) {
        state.dUp = GetDouble(lastValues);
        state.dCurrent = GetDouble(lastValues + 8);
        state.dAccumulator = GetDouble(lastValues + 16);
        state.dMemory = GetDouble(lastValues + 24);
    }

    int32_t scale = state.nScale;
    int32_t afterDigits = state.nAfter;
    ReadWords(k, "nScale", &scale, 1);
    ReadWords(k, "nAfter", &afterDigits, 1);
    state.nScale = scale;
    state.nAfter = afterDigits;
    ReadWords(k, "Run Q-ty", &shared.nRunQty, 1);

    SanitizeState(state, edition);
}

uint8_t ReadBigFontFlag(IRegistry& registry, const char* subkey)
{
    std::unique_ptr<IRegistryKey> key = registry.Open(subkey);
    uint8_t bigFont = 0;
    if (key)
        ReadFlag(*key, "Big Font", bigFont);
    return bigFont;
}
