// Stored settings written by another hand: every value of the calculator's key and of its
// loan calculator's key, missing, empty, a byte short, a byte long, of another
// type, all 0xFF and holding extreme numbers. Whatever it finds, the program must start,
// compute, and save a record that it (and any later version) can read back as it is.
//
// Each start begins from a complete, valid record of both keys and spoils values of one of
// them the same way: every other value of the key, so that the values left valid show whether
// a spoiled neighbour cost the user any of them. Two starts per kind of damage cover every
// value; one start per case would take most of the suite's time.
#include "calculator_fixture.h"
#include "control_ids.h"
#include "loan_fixture.h"
#include "wait.h"
#include "window_controls.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

namespace e2e {
namespace {

enum class Kind {
    Colors,    // little-endian colour words
    Flag,      // one byte, 0 or 1
    Position,  // two signed 32-bit words
    Numbers,   // four doubles
    Context,   // five signed 32-bit selectors
    Counter,   // REG_DWORD, any value
    Scale,     // REG_DWORD, significant digits
    After,     // REG_DWORD, digits after the point
    Text,      // REG_SZ of the loan window
};

enum class Key { Calculator, Loan };

struct ValueEntry {
    Key key;
    const char* name;
    DWORD type;
    size_t size;  // 0 for texts
    Kind kind;
    bool classicOnly;  // the Styled edition has no key-style options
};

const ValueEntry kValues[] = {
    {Key::Calculator, "Basic Colors", REG_BINARY, 60, Kind::Colors, false},
    {Key::Calculator, "Extended Colors", REG_BINARY, 20, Kind::Colors, false},
    {Key::Calculator, "Custom Colors", REG_BINARY, 64, Kind::Colors, false},
    {Key::Calculator, "Extended View", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "System Backgrounds", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Exit by Escape", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Clear by Escape", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Show Tips", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Soft Btns", REG_BINARY, 1, Kind::Flag, true},
    {Key::Calculator, "In Memory", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Show Precision", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Run Multiple", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Big Font", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Bold Result", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Bold Button", REG_BINARY, 1, Kind::Flag, true},
    {Key::Calculator, "Comma Point", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "bAfter", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "On Top", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "x,y", REG_BINARY, 8, Kind::Position, false},
    {Key::Calculator, "Last Values", REG_BINARY, 32, Kind::Numbers, false},
    {Key::Calculator, "Context", REG_BINARY, 20, Kind::Context, false},
    {Key::Calculator, "Run Q-ty", REG_DWORD, 4, Kind::Counter, false},
    {Key::Calculator, "nScale", REG_DWORD, 4, Kind::Scale, false},
    {Key::Calculator, "nAfter", REG_DWORD, 4, Kind::After, false},

    {Key::Loan, "Colors", REG_BINARY, 36, Kind::Colors, false},
    {Key::Loan, "System Backgrounds", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "Exit by Escape", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "Clear by Escape", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "Show Tips", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "Soft Btns", REG_BINARY, 1, Kind::Flag, true},
    {Key::Loan, "Run Multiple", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "Big Font", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "Bold Result", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "Bold Button", REG_BINARY, 1, Kind::Flag, true},
    {Key::Loan, "Comma Point", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "On Top", REG_BINARY, 1, Kind::Flag, false},
    {Key::Loan, "x,y", REG_BINARY, 8, Kind::Position, false},
    {Key::Loan, "Amount", REG_SZ, 0, Kind::Text, false},
    {Key::Loan, "Months", REG_SZ, 0, Kind::Text, false},
    {Key::Loan, "Percent", REG_SZ, 0, Kind::Text, false},
};

Bytes RepeatedWord(uint32_t word, size_t count)
{
    Bytes bytes;
    for (size_t i = 0; i < count; ++i) {
        const Bytes one = DwordBytes(word);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

Bytes Doubles4(double value)
{
    return DoubleBytes({value, value, value, value});
}

Bytes DoubleBits(uint64_t bits)
{
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return Doubles4(value);
}

// The valid value every case starts from: not the defaults, so that a value that is lost
// or replaced would show.
Bytes ValidValue(const ValueEntry& entry)
{
    const std::string name = entry.name;
    switch (entry.kind) {
    case Kind::Colors: return RepeatedWord(0x00406080, entry.size / 4);
    case Kind::Flag:
        // Options whose effect would get in the way of the checks stay off; the look and
        // layout options are on.
        return {static_cast<uint8_t>(name == "Soft Btns" || name == "Extended View" || name == "Show Tips" ||
                                             name == "Bold Result" || name == "Show Precision"
                                         ? 1
                                         : 0)};
    case Kind::Position: return Int32Bytes({40, 30});
    case Kind::Numbers: return DoubleBytes({1.5, 2.5, 1.5, 7.0});
    case Kind::Context: return Int32Bytes({0, 0, 0, 0, 1});
    case Kind::Counter: return DwordBytes(5);
    case Kind::Scale: return DwordBytes(8);
    case Kind::After: return DwordBytes(2);
    case Kind::Text: return TextBytes(name == "Amount" ? "2500" : name == "Months" ? "24" : "7.5%");
    }
    return {};
}

struct Case {
    const ValueEntry* entry;
    std::string variant;  // a name part of the test name
    bool missing = false;
    DWORD type = REG_NONE;
    Bytes bytes;
};

// Failure messages name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.entry->name << ", " << c.variant;
}

std::vector<Case> CasesFor(const ValueEntry& entry)
{
    std::vector<Case> cases;
    auto add = [&](const std::string& variant, DWORD type, Bytes bytes) {
        Case c;
        c.entry = &entry;
        c.variant = variant;
        c.type = type;
        c.bytes = std::move(bytes);
        cases.push_back(std::move(c));
    };
    const Bytes valid = ValidValue(entry);

    Case missing;
    missing.entry = &entry;
    missing.variant = "Missing";
    missing.missing = true;
    cases.push_back(missing);
    add("Empty", entry.type, {});

    if (entry.kind == Kind::Text) {
        // Texts have no fixed size: the edges are the reading buffer's.
        add("NoTerminator", REG_SZ, Bytes(valid.begin(), valid.end() - 1));
        add("EmbeddedZero", REG_SZ,
            TextBytes(std::string("12\0"
                                  "34",
                                  5)));
        add("Longest", REG_SZ, TextBytes(std::string(62, '9')));
        add("OneTooLong", REG_SZ, TextBytes(std::string(63, '9')));
        add("NoTerminatorFull", REG_SZ, Bytes(63, '7'));
        add("Huge", REG_SZ, TextBytes(std::string(70000, '5')));
        add("AsBinary", REG_BINARY, valid);
        add("AsDword", REG_DWORD, DwordBytes(0x00313131));
        add("AllFF", REG_SZ, Bytes(40, 0xFF));
        add("Letters", REG_SZ, TextBytes("abc%%%xyz"));
        add("HugeNumber", REG_SZ, TextBytes("1e308"));
        add("Negative", REG_SZ, TextBytes("-99999999999999999999"));
        add("OnlyPercent", REG_SZ, TextBytes("%"));
        add("Nan", REG_SZ, TextBytes("nan"));
        return cases;
    }

    add("OneShort", entry.type, Bytes(valid.begin(), valid.end() - 1));
    Bytes longer = valid;
    longer.push_back(0x01);
    add("OneLong", entry.type, longer);
    // Another type with the right size: the program reads raw bytes whatever the type.
    add("AsText", REG_SZ, TextBytes(std::string(entry.size > 1 ? entry.size - 1 : 0, '7')));
    add(entry.type == REG_DWORD ? "AsBinary" : "AsDword", entry.type == REG_DWORD ? REG_BINARY : REG_DWORD,
        valid);
    add("AllFF", entry.type, Bytes(entry.size, 0xFF));

    constexpr int32_t kMin = INT32_MIN;
    constexpr int32_t kMax = INT32_MAX;
    switch (entry.kind) {
    case Kind::Colors: add("TopBytesSet", entry.type, RepeatedWord(0xFF000000u, entry.size / 4)); break;
    case Kind::Flag:
        add("Two", entry.type, {2});
        add("High", entry.type, {0x80});
        break;
    case Kind::Position:
        add("IntMin", entry.type, Int32Bytes({kMin, kMin}));
        add("IntMax", entry.type, Int32Bytes({kMax, kMax}));
        add("FarOff", entry.type, Int32Bytes({100000, -100000}));
        add("OneHalfUnset", entry.type, Int32Bytes({-1, 300}));
        break;
    case Kind::Numbers:
        add("QuietNan", entry.type, Doubles4(std::numeric_limits<double>::quiet_NaN()));
        add("SignallingNan", entry.type, DoubleBits(0x7FF0000000000001ull));
        add("NegativeNan", entry.type, DoubleBits(0xFFF8000000000000ull));
        add("Infinity", entry.type, Doubles4(std::numeric_limits<double>::infinity()));
        add("MinusInfinity", entry.type, Doubles4(-std::numeric_limits<double>::infinity()));
        add("Max", entry.type, Doubles4(std::numeric_limits<double>::max()));
        add("Lowest", entry.type, Doubles4(std::numeric_limits<double>::lowest()));
        add("Denormal", entry.type, Doubles4(std::numeric_limits<double>::denorm_min()));
        add("MinusZero", entry.type, Doubles4(-0.0));
        add("Huge", entry.type, Doubles4(1e300));
        break;
    case Kind::Context:
        add("IntMin", entry.type, Int32Bytes({kMin, kMin, kMin, kMin, kMin}));
        add("IntMax", entry.type, Int32Bytes({kMax, kMax, kMax, kMax, kMax}));
        add("JustOutOfRange", entry.type, Int32Bytes({2, 2, 4, 2, 2139 + 100}));
        add("Negative", entry.type, Int32Bytes({-1, -1, -1, -1, -1}));
        add("LastOpEquals", entry.type, Int32Bytes({0, 0, 0, 0, IDC_KEY_EQUALS}));
        break;
    case Kind::Counter: add("IntMax", entry.type, Int32Bytes({kMax})); break;
    case Kind::Scale:
    case Kind::After:
        add("IntMin", entry.type, Int32Bytes({kMin}));
        add("IntMax", entry.type, Int32Bytes({kMax}));
        add("Precision255", entry.type, DwordBytes(255));
        add("Zero", entry.type, DwordBytes(0));
        add("Negative", entry.type, Int32Bytes({-1}));
        break;
    case Kind::Text: break;
    }
    return cases;
}

// The values of one key that one start spoils, all the same way.
struct Round {
    Key key;
    std::string name;
    std::vector<Case> cases;
};

void PrintTo(const Round& round, std::ostream* out)
{
    for (const Case& c : round.cases) {
        if (&c != &round.cases.front())
            *out << "; ";
        PrintTo(c, out);
    }
}

std::string Alphanumeric(const std::string& text)
{
    std::string name;
    for (char ch : text)
        if (std::isalnum(static_cast<unsigned char>(ch)))
            name += ch;
    return name;
}

// Rounds by kind of damage, each split between the key's even and odd values.
std::vector<Round> AllRounds(Key key)
{
    std::vector<std::string> variants;
    std::vector<std::vector<Case>> byIndex;  // the key's values' cases, in table order
    for (const ValueEntry& entry : kValues) {
        if (entry.key != key)
            continue;
        byIndex.push_back(CasesFor(entry));
        for (const Case& c : byIndex.back())
            if (std::find(variants.begin(), variants.end(), c.variant) == variants.end())
                variants.push_back(c.variant);
    }
    std::vector<Round> rounds;
    for (const std::string& variant : variants) {
        for (size_t parity = 0; parity < 2; ++parity) {
            Round round{key, Alphanumeric(variant) + (parity == 0 ? "_EvenValues" : "_OddValues"), {}};
            for (size_t i = parity; i < byIndex.size(); i += 2)
                for (const Case& c : byIndex[i])
                    if (c.variant == variant)
                        round.cases.push_back(c);
            if (!round.cases.empty())
                rounds.push_back(std::move(round));
        }
    }
    return rounds;
}

std::string RoundName(const testing::TestParamInfo<Round>& info)
{
    return info.param.name;
}

// The result panel shows five, in whichever precision mode and separator the options chose.
bool ShowsFive(const std::string& text)
{
    std::string number = text;
    for (char& ch : number)
        if (ch == ',')
            ch = '.';
    if (number.empty())
        return false;
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    return *end == '\0' && value == 5.0;
}

double DoubleAt(const Bytes& bytes, size_t offset)
{
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<uint64_t>(bytes[offset + i]) << (8 * i);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int32_t Int32At(const Bytes& bytes, size_t offset)
{
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i)
        word |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
    return static_cast<int32_t>(word);
}

// A user can see and reach the window: some part of it lies on the desktop.
bool OnTheDesktop(HWND window)
{
    const RECT desktop = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                          GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const RECT frame = WindowRect(window);
    RECT common = {};
    return IntersectRect(&common, &desktop, &frame) != FALSE;
}

bool IsRepeatableOp(int32_t op)
{
    // Nothing, an arithmetic key or a function key: what "=" can repeat.
    return op <= CALC_OP_CONTINUE || (op >= IDC_KEY_DIVIDE && op <= IDC_KEY_RECIPROCAL) ||
           (op >= IDC_KEY_LN && op <= IDC_KEY_ATAN);
}

class HostileSettingsTest : public LoanTest, public testing::WithParamInterface<Round> {
protected:
    void SetUp() override
    {
        for (const Case& c : GetParam().cases)
            if (Applies(c))
                spoiled_.push_back(&c);
        if (spoiled_.empty())
            GTEST_SKIP() << "the Styled edition has none of these values";
        LoanTest::SetUp();
        if (HasFatalFailure())
            return;
        for (const ValueEntry& entry : kValues) {
            if (entry.classicOnly && !CurrentEdition().classic)
                continue;
            if (entry.key == Key::Calculator)
                ASSERT_NO_FATAL_FAILURE(WriteSetting(entry.name, entry.type, ValidValue(entry)));
            else
                ASSERT_NO_FATAL_FAILURE(WriteLoanSetting(entry.name, entry.type, ValidValue(entry)));
        }
        const std::string& subkey = GetParam().key == Key::Calculator ? CurrentEdition().registryKey
                                                                      : CurrentEdition().loanRegistryKey;
        for (const Case* c : spoiled_) {
            if (c->missing) {
                HKEY key = nullptr;
                ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_SET_VALUE, &key),
                          ERROR_SUCCESS);
                const LONG deleted = RegDeleteValueA(key, c->entry->name);
                RegCloseKey(key);
                ASSERT_EQ(deleted, ERROR_SUCCESS) << c->entry->name;
            } else {
                ASSERT_TRUE(WriteValue(subkey, c->entry->name, c->type, c->bytes)) << c->entry->name;
            }
        }
    }

    // The Styled edition has no key-style options.
    bool Applies(const Case& c) const { return CurrentEdition().classic || !c.entry->classicOnly; }

    bool IsSpoiled(const ValueEntry& entry) const
    {
        return std::any_of(spoiled_.begin(), spoiled_.end(),
                           [&](const Case* c) { return c->entry == &entry; });
    }

    void ComputeFive()
    {
        ASSERT_TRUE(
            ClickAll(Window(), {IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}));
        std::string shown;
        const bool five = WaitUntil([&] {
            shown = ControlText(Window(), IDC_PANEL_RESULT);
            return ShowsFive(shown);
        });
        ASSERT_TRUE(five) << "[2 + 3 =] shows \"" << shown << "\"";
    }

    // A value the case left alone comes back as it was written: a spoiled neighbour must not
    // cost the user any other setting. The numbers, selectors and the save counter change
    // by design.
    void ExpectKeptAsWritten(const ValueEntry& entry, const Bytes& saved)
    {
        if (IsSpoiled(entry) || entry.kind == Kind::Numbers || entry.kind == Kind::Context)
            return;
        if (entry.kind == Kind::Counter) {
            EXPECT_EQ(saved, DwordBytes(6)) << "one save after the stored count of 5";
            return;
        }
        if (entry.kind == Kind::Text) {
            // Restored loan texts take the separator the options chose, which a spoiled
            // "Comma Point" may have switched on.
            Bytes withPoint = saved;
            std::replace(withPoint.begin(), withPoint.end(), static_cast<uint8_t>(','),
                         static_cast<uint8_t>('.'));
            EXPECT_EQ(withPoint, ValidValue(entry)) << "\"" << entry.name << "\" changed";
            return;
        }
        EXPECT_EQ(saved, ValidValue(entry)) << "\"" << entry.name << "\" changed";
    }

    // Every value of the record is there with its type and size, and reads back in range.
    void ExpectValidCalculatorRecord()
    {
        const std::map<std::string, RegistryValue> stored = ReadAllValues(CurrentEdition().registryKey);
        for (const ValueEntry& entry : kValues) {
            if (entry.key != Key::Calculator || (entry.classicOnly && !CurrentEdition().classic))
                continue;
            const auto it = stored.find(entry.name);
            if (it == stored.end()) {
                ADD_FAILURE() << "\"" << entry.name << "\" was not saved";
                continue;
            }
            const RegistryValue& value = it->second;
            EXPECT_EQ(value.type, entry.type) << entry.name;
            if (value.bytes.size() != entry.size) {
                ADD_FAILURE() << "\"" << entry.name << "\" was saved with " << value.bytes.size()
                              << " bytes, not " << entry.size;
                continue;
            }
            const Bytes& b = value.bytes;
            ExpectKeptAsWritten(entry, b);
            switch (entry.kind) {
            case Kind::Flag: EXPECT_LE(b[0], 1) << entry.name; break;
            case Kind::Numbers:
                // [2 + 3 =] with the accumulator active: up 5, current 3, accumulator 5.
                EXPECT_EQ(DoubleAt(b, 0), 5.0) << "dUp";
                EXPECT_EQ(DoubleAt(b, 8), 3.0) << "dCurrent";
                EXPECT_EQ(DoubleAt(b, 16), 5.0) << "dAccumulator";
                break;
            case Kind::Context: {
                const int32_t activeReg = Int32At(b, 0);
                const int32_t xWindow = Int32At(b, 4);
                const int32_t base = Int32At(b, 8);
                const int32_t angle = Int32At(b, 12);
                const int32_t lastOp = Int32At(b, 16);
                EXPECT_TRUE(activeReg == 0 || activeReg == 1) << "active register " << activeReg;
                EXPECT_TRUE(xWindow == 0 || xWindow == 1) << "x window " << xWindow;
                EXPECT_TRUE(base >= 0 && base <= 3) << "base " << base;
                EXPECT_TRUE(angle == 0 || angle == 1) << "angle " << angle;
                EXPECT_TRUE(IsRepeatableOp(lastOp)) << "last operation " << lastOp;
                EXPECT_EQ(lastOp, IDC_KEY_ADD) << "the last operation of [2 + 3 =]";
                break;
            }
            case Kind::Scale: {
                const int32_t scale = Int32At(b, 0);
                const int32_t maxScale = CurrentEdition().classic ? 17 : 16;
                EXPECT_TRUE(scale >= 4 && scale <= maxScale) << "nScale " << scale;
                break;
            }
            case Kind::After: {
                const int32_t after = Int32At(b, 0);
                EXPECT_TRUE(after >= 0 && after <= 8) << "nAfter " << after;
                break;
            }
            case Kind::Colors:
            case Kind::Position:
            case Kind::Counter:
            case Kind::Text: break;
            }
        }
    }

    void ExpectValidLoanRecord()
    {
        const std::map<std::string, RegistryValue> stored = ReadAllValues(CurrentEdition().loanRegistryKey);
        for (const ValueEntry& entry : kValues) {
            if (entry.key != Key::Loan || (entry.classicOnly && !CurrentEdition().classic))
                continue;
            const auto it = stored.find(entry.name);
            if (it == stored.end()) {
                ADD_FAILURE() << "loan \"" << entry.name << "\" was not saved";
                continue;
            }
            const RegistryValue& value = it->second;
            EXPECT_EQ(value.type, entry.type) << "loan " << entry.name;
            const Bytes& b = value.bytes;
            ExpectKeptAsWritten(entry, b);
            if (entry.kind == Kind::Text) {
                // Read again at the next start only when it has its zero, no other, and fits
                // the 64-byte reading buffer.
                ASSERT_FALSE(b.empty()) << "loan " << entry.name;
                EXPECT_EQ(b.back(), 0) << "loan " << entry.name << " lacks its terminating zero";
                EXPECT_LT(b.size(), 64u) << "loan " << entry.name << " is too long to be read again";
                EXPECT_EQ(std::find(b.begin(), b.end(), 0) - b.begin(), static_cast<long>(b.size()) - 1)
                    << "loan " << entry.name << " holds a zero inside";
                if (std::string(entry.name) == "Percent" && b.size() >= 2) {
                    EXPECT_EQ(b[b.size() - 2], '%') << "the saved rate lost its \"%\"";
                }
                continue;
            }
            if (b.size() != entry.size) {
                ADD_FAILURE() << "loan \"" << entry.name << "\" was saved with " << b.size() << " bytes, not "
                              << entry.size;
                continue;
            }
            if (entry.kind == Kind::Flag) {
                EXPECT_LE(b[0], 1) << "loan " << entry.name;
            }
        }
    }

private:
    std::vector<const Case*> spoiled_;  // the round's cases that this edition has values for
};

TEST_P(HostileSettingsTest, StartsComputesAndSavesAValidRecord)
{
    const Round& round = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(OnTheDesktop(Window())) << "the calculator opened off the desktop";
    if (round.key == Key::Loan) {
        // The loan record is read, and written back, only when the loan window opens.
        ASSERT_NO_FATAL_FAILURE(OpenLoan());
        ASSERT_TRUE(Sync(Loan())) << "the loan window does not answer";
        EXPECT_TRUE(OnTheDesktop(Loan())) << "the loan window opened off the desktop";
        ASSERT_NO_FATAL_FAILURE(CloseLoan());
    }
    ASSERT_NO_FATAL_FAILURE(ComputeFive());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    ExpectValidCalculatorRecord();
    if (round.key == Key::Loan)
        ExpectValidLoanRecord();
}

INSTANTIATE_TEST_SUITE_P(HostileCalculatorKey, HostileSettingsTest,
                         testing::ValuesIn(AllRounds(Key::Calculator)), RoundName);
INSTANTIATE_TEST_SUITE_P(HostileLoanKey, HostileSettingsTest, testing::ValuesIn(AllRounds(Key::Loan)),
                         RoundName);

}  // namespace
}  // namespace e2e
