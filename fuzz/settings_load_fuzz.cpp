// Both settings records, calculator and loan, read from a registry whose every value holds
// random bytes of a random size and type, or from a portable program's settings file that
// holds any text. What is loaded must be a record the program can use, and saving it and
// loading it again must give the same record: otherwise a setting changes by itself between
// two runs. The file's text, read and written again, must read back as the same values.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "ini_registry.h"
#include "loan_settings.h"
#include "memory_registry.h"
#include "memory_settings_file.h"
#include "registry_values.h"
#include "sample_records.h"
#include "settings_store.h"
#include "state_rules.h"

namespace {

const char* const kCalcValues[] = {
    "Basic Colors",   "Extended Colors", "Custom Colors", "Extended View", "System Backgrounds",
    "Exit by Escape", "Clear by Escape", "Show Tips",     "Soft Btns",     "In Memory",
    "Show Precision", "Run Multiple",    "Big Font",      "Bold Result",   "Bold Button",
    "Comma Point",    "bAfter",          "On Top",        "x,y",           "Last Values",
    "Context",        "Run Q-ty",        "nScale",        "nAfter",
};
const char* const kLoanValues[] = {
    "Colors",
    "System Backgrounds",
    "Exit by Escape",
    "Clear by Escape",
    "Show Tips",
    "Soft Btns",
    "Run Multiple",
    "Big Font",
    "Bold Result",
    "Bold Button",
    "Comma Point",
    "On Top",
    "x,y",
    "Amount",
    "Months",
    "Percent",
};

// A loan text is taken only when shorter than this, its terminating zero included.
constexpr size_t kLoanTextCapacity = 64;

// One control byte per value: missing, or present with a type and a length read from the
// input. Lengths reach past every field, so values that do not fit are tried as well.
void PlantValues(FuzzInput& in, MemoryRegistry& registry, const char* key, const char* const* names,
                 size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const uint8_t control = in.Byte();
        if ((control & 3) == 0)
            continue;
        static const uint32_t kTypes[] = {kRegString, kRegBinary, kRegDword};
        const uint32_t pick = (control >> 2) & 3;
        const uint32_t type = pick < 3 ? kTypes[pick] : in.Word();
        const size_t length = (control & 0x80) ? in.Byte() : (control >> 4) & 7;
        const std::string bytes = in.Text(length);
        registry.Set(key, names[i], type, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }
}

bool IsFlag(uint32_t value)
{
    return value == 0 || value == 1;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckCalcRecord(const Record& r)
{
    const CalcSettings& c = r.settings;
    const CalcState& s = r.state;
    for (uint32_t flag :
         {uint32_t(c.colors.bSystemBackgrounds), uint32_t(c.engine.bInMemory), uint32_t(c.engine.bCommaPoint),
          uint32_t(c.engine.bExitByEscape), uint32_t(c.engine.bClearByEscape), uint32_t(c.bExtendedView),
          static_cast<uint32_t>(c.bShowTips), uint32_t(c.bSoftButtons), uint32_t(c.bShowPrecision),
          uint32_t(c.bRunMultiple), uint32_t(c.bBigFont), uint32_t(c.bBoldResult), uint32_t(c.bBoldButton),
          uint32_t(c.bOnTop)})
        FUZZ_CHECK(IsFlag(flag), "a calculator flag holds " + std::to_string(flag));
    const std::string selectors =
        "nXWindow=" + std::to_string(s.nXWindow) + " nActiveReg=" + std::to_string(s.nActiveReg) +
        " nBase=" + std::to_string(s.nBase) + " nAngle=" + std::to_string(s.nAngle) +
        " nLastOp=" + std::to_string(s.nLastOp) + " nScale=" + std::to_string(s.nScale) +
        " nAfter=" + std::to_string(s.nAfter);
    FUZZ_CHECK(s.nXWindow == 0 || s.nXWindow == 1, selectors);
    FUZZ_CHECK(s.nActiveReg == 0 || s.nActiveReg == 1, selectors);
    FUZZ_CHECK(s.nBase >= 0 && s.nBase <= 3, selectors);
    FUZZ_CHECK(s.nAngle == 0 || s.nAngle == 1, selectors);
    FUZZ_CHECK(IsValidLastOp(s.nLastOp), selectors);
    FUZZ_CHECK(s.nScale >= kMinScale && s.nScale <= MaxScale(r.edition), selectors);
    FUZZ_CHECK(s.nAfter >= 0 && s.nAfter <= kMaxAfter, selectors);
}

void CheckSameCalcRecord(const Record& a, const Record& b)
{
    const CalcSettings& x = a.settings;
    const CalcSettings& y = b.settings;
    FUZZ_CHECK(std::memcmp(x.colors.crBasicColors, y.colors.crBasicColors, sizeof x.colors.crBasicColors) ==
                   0,
               "basic colours");
    FUZZ_CHECK(std::memcmp(x.colors.crExtendedColors, y.colors.crExtendedColors,
                           sizeof x.colors.crExtendedColors) == 0,
               "extended colours");
    FUZZ_CHECK(
        std::memcmp(a.shared.crCustomColors, b.shared.crCustomColors, sizeof a.shared.crCustomColors) == 0,
        "custom colours");
    FUZZ_CHECK(x.colors.bSystemBackgrounds == y.colors.bSystemBackgrounds, "System Backgrounds");
    FUZZ_CHECK(x.engine.bInMemory == y.engine.bInMemory, "In Memory");
    FUZZ_CHECK(x.engine.bCommaPoint == y.engine.bCommaPoint, "Comma Point");
    FUZZ_CHECK(x.engine.bExitByEscape == y.engine.bExitByEscape, "Exit by Escape");
    FUZZ_CHECK(x.engine.bClearByEscape == y.engine.bClearByEscape, "Clear by Escape");
    FUZZ_CHECK(x.bExtendedView == y.bExtendedView, "Extended View");
    FUZZ_CHECK(x.bShowTips == y.bShowTips, "Show Tips");
    FUZZ_CHECK(x.bSoftButtons == y.bSoftButtons, "Soft Btns");
    FUZZ_CHECK(x.bShowPrecision == y.bShowPrecision, "Show Precision");
    FUZZ_CHECK(x.bRunMultiple == y.bRunMultiple, "Run Multiple");
    FUZZ_CHECK(x.bBigFont == y.bBigFont, "Big Font");
    FUZZ_CHECK(x.bBoldResult == y.bBoldResult, "Bold Result");
    FUZZ_CHECK(x.bBoldButton == y.bBoldButton, "Bold Button");
    FUZZ_CHECK(x.bOnTop == y.bOnTop, "On Top");
    FUZZ_CHECK(x.nPosX == y.nPosX && x.nPosY == y.nPosY, "x,y");
    FUZZ_CHECK(a.shared.nRunQty == b.shared.nRunQty, "Run Q-ty");

    const CalcState& s = a.state;
    const CalcState& t = b.state;
    FUZZ_CHECK(SameBits(s.dUp, t.dUp) && SameBits(s.dCurrent, t.dCurrent) &&
                   SameBits(s.dAccumulator, t.dAccumulator) && SameBits(s.dMemory, t.dMemory),
               "Last Values");
    FUZZ_CHECK(s.nActiveReg == t.nActiveReg && s.nXWindow == t.nXWindow && s.nBase == t.nBase &&
                   s.nAngle == t.nAngle && s.nLastOp == t.nLastOp,
               "Context");
    FUZZ_CHECK(s.bAfter == t.bAfter, "bAfter");
    FUZZ_CHECK(s.nScale == t.nScale, "nScale");
    FUZZ_CHECK(s.nAfter == t.nAfter, "nAfter");
}

LoanSettings FreshLoanRecord()
{
    LoanSettings settings;
    SetDefaultLoanColors(settings, kSystem.buttonFace);
    return settings;
}

void CheckLoanRecord(const LoanSettings& l)
{
    for (uint32_t flag :
         {l.bShowTips, l.bExitByEscape, l.bClearByEscape, l.bSystemBackgrounds, l.bSoftButtons, l.bBigFont,
          l.bBoldResult, l.bBoldButton, l.bCommaPoint, l.bOnTop, l.bRunMultiple})
        FUZZ_CHECK(IsFlag(flag), "a loan flag holds " + std::to_string(flag));
    FUZZ_CHECK(!l.strPercent.empty() && l.strPercent.back() == '%', "rate " + Quoted(l.strPercent));
    // Stored with its terminating zero, each text must again be short enough to be taken.
    FUZZ_CHECK(l.strAmount.size() + 1 < kLoanTextCapacity, "Amount " + Quoted(l.strAmount));
    FUZZ_CHECK(l.strMonths.size() + 1 < kLoanTextCapacity, "Months " + Quoted(l.strMonths));
    FUZZ_CHECK(l.strPercent.size() + 1 < kLoanTextCapacity, "Percent " + Quoted(l.strPercent));
}

void CheckSameLoanRecord(const LoanSettings& a, const LoanSettings& b)
{
    FUZZ_CHECK(std::memcmp(a.crLoanColors, b.crLoanColors, sizeof a.crLoanColors) == 0, "Colors");
    FUZZ_CHECK(a.bShowTips == b.bShowTips && a.bExitByEscape == b.bExitByEscape &&
                   a.bClearByEscape == b.bClearByEscape && a.bSystemBackgrounds == b.bSystemBackgrounds &&
                   a.bSoftButtons == b.bSoftButtons && a.bBigFont == b.bBigFont &&
                   a.bBoldResult == b.bBoldResult && a.bBoldButton == b.bBoldButton &&
                   a.bCommaPoint == b.bCommaPoint && a.bOnTop == b.bOnTop && a.bRunMultiple == b.bRunMultiple,
               "loan flags");
    FUZZ_CHECK(a.nPosX == b.nPosX && a.nPosY == b.nPosY, "loan x,y");
    FUZZ_CHECK(a.strAmount == b.strAmount,
               "Amount " + Quoted(a.strAmount) + " came back as " + Quoted(b.strAmount));
    FUZZ_CHECK(a.strMonths == b.strMonths,
               "Months " + Quoted(a.strMonths) + " came back as " + Quoted(b.strMonths));
    FUZZ_CHECK(a.strPercent == b.strPercent,
               "Percent " + Quoted(a.strPercent) + " came back as " + Quoted(b.strPercent));
}

// Loads both records from `stored`, as a run does, and checks them.
void LoadChecked(IRegistry& stored, Record& calc, LoanSettings& loan)
{
    const uint8_t bigFont = ReadBigFontFlag(stored, CalcSettingsKey(calc.edition));
    FUZZ_CHECK(IsFlag(bigFont), "Big Font before the window " + std::to_string(bigFont));
    FUZZ_CHECK(IsFlag(ReadBigFontFlag(stored, LoanSettingsKey(calc.edition))), "loan Big Font");
    calc.Load(stored);
    CheckCalcRecord(calc);
    LoadLoanSettings(stored, calc.edition, loan);
    CheckLoanRecord(loan);
}

void CheckSameRecords(const Record& calc, const LoanSettings& loan, IRegistry& saved)
{
    Record calcAgain(calc.edition);
    LoanSettings loanAgain = FreshLoanRecord();
    calcAgain.Load(saved);
    LoadLoanSettings(saved, calc.edition, loanAgain);
    CheckSameCalcRecord(calc, calcAgain);
    CheckSameLoanRecord(loan, loanAgain);
}

std::unique_ptr<IniRegistry> PortableRun(MemoryFileState& file)
{
    return std::unique_ptr<IniRegistry>(
        new IniRegistry(std::unique_ptr<ISettingsFile>(new MemorySettingsFile(file)), nullptr));
}

// The settings file holds whatever the rest of the input is.
void FuzzSettingsFile(const std::string& text, Edition edition)
{
    const IniDocument read = IniDocument::Parse(text.data(), text.size());
    const std::string written = read.Write();
    const IniDocument again = IniDocument::Parse(written.data(), written.size());
    FUZZ_CHECK(again == read, "the file's values changed when written and read again: " + Quoted(written));
    FUZZ_CHECK(again.Write() == written,
               "the file was written otherwise the second time: " + Quoted(written));

    MemoryFileState file;
    file.bytes = text;
    Record calc(edition);
    LoanSettings loan = FreshLoanRecord();
    LoadChecked(*PortableRun(file), calc, loan);

    // The next run starts from defaults again and reads what this one saved in a new file.
    MemoryFileState saved;
    {
        std::unique_ptr<IniRegistry> run = PortableRun(saved);
        calc.Save(*run);
        SaveLoanSettings(*run, edition, loan);
    }
    FUZZ_CHECK(saved.replaces == 2, "two records saved with " + std::to_string(saved.replaces) + " writes");
    CheckSameRecords(calc, loan, *PortableRun(saved));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    // Bit 0: the edition; bit 1: a settings file instead of registry values.
    const uint8_t header = in.Byte();
    const Edition edition = (header & 1) != 0 ? Edition::Styled : Edition::Classic;
    if ((header & 2) != 0) {
        FuzzSettingsFile(in.Text(in.Remaining()), edition);
        return 0;
    }

    MemoryRegistry stored;
    PlantValues(in, stored, CalcSettingsKey(edition), kCalcValues, sizeof kCalcValues / sizeof *kCalcValues);
    PlantValues(in, stored, LoanSettingsKey(edition), kLoanValues, sizeof kLoanValues / sizeof *kLoanValues);
    Record calc(edition);
    LoanSettings loan = FreshLoanRecord();
    LoadChecked(stored, calc, loan);

    // The next run starts from defaults again and reads what this one saved.
    MemoryRegistry saved;
    calc.Save(saved);
    SaveLoanSettings(saved, edition, loan);
    CheckSameRecords(calc, loan, saved);
    return 0;
}
