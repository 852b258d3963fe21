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
#include "stored_records.h"
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

const std::string kStoredTape = "1 + 1 = 2\r\nMC";

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
                                             name == "Bold Result" || name == "Show Precision" ||
                                             name == "Show Tape"
                                         ? 1
                                         : 0)};
    case Kind::Position: return Int32Bytes({40, 30});
    case Kind::Numbers: return DoubleBytes({1.5, 2.5, 1.5, 7.0});
    case Kind::Context: return Int32Bytes({0, 0, 0, 0, 1});
    case Kind::Counter: return DwordBytes(5);
    case Kind::Scale: return DwordBytes(8);
    case Kind::After: return DwordBytes(2);
    case Kind::Text: return TextBytes(name == "Amount" ? "2500" : name == "Months" ? "24" : "7.5%");
    case Kind::Place: return Int32Bytes({300, 40, 250, 300});
    case Kind::Tape: return TextBytes(kStoredTape);
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

    if (entry.kind == Kind::Tape) {
        add("NoTerminator", REG_SZ, Bytes(valid.begin(), valid.end() - 1));
        add("EmbeddedZero", REG_SZ, TextBytes(std::string("1 + 1 = 2\0MC", 12)));
        add("OneTooLong", REG_SZ, TextBytes("MC\r\n" + std::string(1025, '9')));
        add("Huge", REG_SZ, TextBytes(std::string(3000000, '5')));
        std::string many;
        for (int i = 0; i < 1500; ++i)
            many += "MS " + std::to_string(i) + "\r\n";
        add("TooManyLines", REG_SZ, TextBytes(many));
        add("AsBinary", REG_BINARY, valid);
        add("AsDword", REG_DWORD, DwordBytes(0x00313131));
        add("AllFF", REG_SZ, Bytes(40, 0xFF));
        add("ControlCharacters", REG_SZ, TextBytes("\x01\x02\t\x1b\x7f"));
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
    case Kind::Place:
        add("IntMin", entry.type, Int32Bytes({kMin, kMin, kMin, kMin}));
        add("IntMax", entry.type, Int32Bytes({kMax, kMax, kMax, kMax}));
        add("FarOff", entry.type, Int32Bytes({100000, -100000, 250, 300}));
        add("NoSize", entry.type, Int32Bytes({300, 40, 0, 0}));
        add("NegativeSize", entry.type, Int32Bytes({300, 40, -250, -300}));
        break;
    case Kind::Scale:
    case Kind::After:
        add("IntMin", entry.type, Int32Bytes({kMin}));
        add("IntMax", entry.type, Int32Bytes({kMax}));
        add("Precision255", entry.type, DwordBytes(255));
        add("Zero", entry.type, DwordBytes(0));
        add("Negative", entry.type, Int32Bytes({-1}));
        break;
    case Kind::Text:
    case Kind::Tape: break;
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
    for (const ValueEntry& entry : kStoredValues) {
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
        for (const ValueEntry& entry : kStoredValues) {
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
        if (entry.kind == Kind::Tape) {
            // The tape keeps its lines and gains the line of [2 + 3 =], written in whichever
            // precision and separator the options chose.
            const std::string text(saved.begin(), saved.end() - (saved.empty() ? 0 : 1));
            const std::string kept = kStoredTape + "\r\n";
            EXPECT_EQ(text.substr(0, kept.size()), kept) << "\"Tape\" lost its lines";
            const size_t equals = text.rfind(" = ");
            EXPECT_TRUE(equals != std::string::npos && ShowsFive(text.substr(equals + 3)))
                << "the tape's last line is not [2 + 3 =]: "
                << text.substr(std::min(text.size(), kept.size()));
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

    // A sound record that kept what the round did not spoil, and the numbers of [2 + 3 =].
    void ExpectValidCalculatorRecord()
    {
        ExpectSoundRecord(Key::Calculator, CurrentEdition(), [&](const ValueEntry& entry, const Bytes& b) {
            ExpectKeptAsWritten(entry, b);
            if (entry.kind == Kind::Numbers) {
                // [2 + 3 =] with the accumulator active: up 5, current 3, accumulator 5.
                EXPECT_EQ(DoubleAt(b, 0), 5.0) << "dUp";
                EXPECT_EQ(DoubleAt(b, 8), 3.0) << "dCurrent";
                EXPECT_EQ(DoubleAt(b, 16), 5.0) << "dAccumulator";
            }
            if (entry.kind == Kind::Context) {
                EXPECT_EQ(Int32At(b, 16), IDC_KEY_ADD) << "the last operation of [2 + 3 =]";
            }
        });
    }

    void ExpectValidLoanRecord()
    {
        ExpectSoundRecord(Key::Loan, CurrentEdition(),
                          [&](const ValueEntry& entry, const Bytes& b) { ExpectKeptAsWritten(entry, b); });
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
