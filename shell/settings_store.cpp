#include "settings_store.h"

#include "registry_values.h"
#include "settings_record.h"
#include "state_rules.h"
#include "tape_store.h"

namespace {

// The calculator's record, value by value in the order it is written. `Settings`, `State` and
// `Shared` are const for saving.
template <typename Walk, typename Settings, typename State, typename Shared>
void WalkRecord(Walk& w, Edition edition, Settings& s, State& state, Shared& shared)
{
    w.Words("Basic Colors", s.colors.crBasicColors, kBasicColorCount);
    w.Words("Extended Colors", s.colors.crExtendedColors, kExtendedColorCount);
    w.Words("Custom Colors", shared.crCustomColors, kCustomColorCount);
    w.Flag("Extended View", s.bExtendedView);
    w.Flag("System Backgrounds", s.colors.bSystemBackgrounds);
    w.Flag("Exit by Escape", s.engine.bExitByEscape);
    w.Flag("Clear by Escape", s.engine.bClearByEscape);
    WalkWindowOptions(
        w, edition == Edition::Classic, s,
        [&] {
            w.Flag("In Memory", s.engine.bInMemory);
            w.Flag("Show Precision", s.bShowPrecision);
        },
        [&] {
            w.Flag("Comma Point", s.engine.bCommaPoint);
            w.Flag("bAfter", state.bAfter);
        });
    w.Block("Last Values", {&state.dUp, &state.dCurrent, &state.dAccumulator, &state.dMemory});
    w.Block("Context", {&state.nActiveReg, &state.nXWindow, &state.nBase, &state.nAngle, &state.nLastOp});
    w.Counter("Run Q-ty", shared.nRunQty);
    w.Dword("nScale", state.nScale);
    w.Dword("nAfter", state.nAfter);
    w.Flag("Show Tape", s.bShowTape);
    w.Words("Tape Place", {&s.nTapeX, &s.nTapeY, &s.nTapeWidth, &s.nTapeHeight});
    w.Flag("Forget Tape", s.bForgetTape);
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
    WalkKey<RecordWriter>(registry.Create(CalcSettingsKey(edition)), [&](RecordWriter& w) {
        WalkRecord(w, edition, settings, state, shared);
        // A tape to be forgotten is not kept, not even from an earlier save.
        if (settings.bForgetTape)
            w.Key().Delete(kTapeValueName);
        else
            SaveTape(w.Key(), settings.tape);
    });
}

void LoadSettings(IRegistry& registry, Edition edition, CalcSettings& settings, CalcState& state,
                  SharedSettings& shared)
{
    if (WalkKey<RecordReader>(registry.Open(CalcSettingsKey(edition)), [&](RecordReader& r) {
            WalkRecord(r, edition, settings, state, shared);
            // Forgotten: the tape starts empty, whatever a run that ended abruptly left.
            if (!settings.bForgetTape)
                LoadTape(r.Key(), settings.tape);
        }))
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
