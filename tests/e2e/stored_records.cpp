#include "stored_records.h"

#include "control_ids.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace e2e {

const std::vector<ValueEntry> kStoredValues = {
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
    {Key::Calculator, "Show Tape", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Tape Place", REG_BINARY, 16, Kind::Place, false},
    {Key::Calculator, "Forget Tape", REG_BINARY, 1, Kind::Flag, false},
    {Key::Calculator, "Tape", REG_SZ, 0, Kind::Tape, false},

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

bool Writes(const Edition& edition, const ValueEntry& entry)
{
    return edition.classic || !entry.classicOnly;
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

bool IsRepeatableOp(int32_t op)
{
    return op <= CALC_OP_CONTINUE || (op >= IDC_KEY_DIVIDE && op <= IDC_KEY_RECIPROCAL) ||
           (op >= IDC_KEY_LN && op <= IDC_KEY_ATAN);
}

namespace {

void ExpectInRange(const ValueEntry& entry, const Bytes& b, const Edition& edition, const std::string& name)
{
    switch (entry.kind) {
    case Kind::Flag: EXPECT_LE(b[0], 1) << name; break;
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
        break;
    }
    case Kind::Scale: {
        const int32_t scale = Int32At(b, 0);
        const int32_t maxScale = edition.classic ? 17 : 16;
        EXPECT_TRUE(scale >= 4 && scale <= maxScale) << "nScale " << scale;
        break;
    }
    case Kind::After: {
        const int32_t after = Int32At(b, 0);
        EXPECT_TRUE(after >= 0 && after <= 8) << "nAfter " << after;
        break;
    }
    case Kind::Text:
        // Read again at the next start only when it has its zero, no other, and fits the
        // 64-byte reading buffer.
        ASSERT_FALSE(b.empty()) << name;
        EXPECT_EQ(b.back(), 0) << name << " lacks its terminating zero";
        EXPECT_LT(b.size(), 64u) << name << " is too long to be read again";
        EXPECT_EQ(std::find(b.begin(), b.end(), 0) - b.begin(), static_cast<long>(b.size()) - 1)
            << name << " holds a zero inside";
        if (std::string(entry.name) == "Percent" && b.size() >= 2) {
            EXPECT_EQ(b[b.size() - 2], '%') << "the saved rate lost its \"%\"";
        }
        break;
    case Kind::Tape: {
        // One text, its zero at the end only; at most 1 000 lines, none empty or over 1 024
        // characters.
        ASSERT_FALSE(b.empty()) << name;
        EXPECT_EQ(b.back(), 0) << name << " lacks its terminating zero";
        EXPECT_EQ(std::find(b.begin(), b.end(), 0) - b.begin(), static_cast<long>(b.size()) - 1)
            << name << " holds a zero inside";
        const std::string text(b.begin(), b.end() - 1);
        size_t lines = 0;
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            EXPECT_GT(end, start) << name << " holds an empty line";
            EXPECT_LE(end - start, 1024u) << name << " holds a line too long";
            ++lines;
            start = end + 2;
        }
        EXPECT_LE(lines, 1000u) << name;
        break;
    }
    case Kind::Colors:
    case Kind::Position:
    case Kind::Place:
    case Kind::Numbers:
    case Kind::Counter: break;
    }
}

}  // namespace

void ExpectSoundRecord(Key key, const Edition& edition,
                       const std::function<void(const ValueEntry&, const Bytes&)>& each)
{
    const std::string& subkey = key == Key::Calculator ? edition.registryKey : edition.loanRegistryKey;
    ExpectSoundValues(key, edition, ReadAllValues(subkey), each);
}

void ExpectSoundValues(Key key, const Edition& edition, const std::map<std::string, RegistryValue>& stored,
                       const std::function<void(const ValueEntry&, const Bytes&)>& each)
{
    const std::string prefix = key == Key::Calculator ? "" : "loan ";
    // With Forget Tape on (a damaged flag reads as on), the lines are removed, not saved.
    const auto forget = stored.find("Forget Tape");
    const bool tapeForgotten = key == Key::Calculator && forget != stored.end() &&
                               forget->second.bytes.size() == 1 && forget->second.bytes[0] != 0;
    for (const ValueEntry& entry : kStoredValues) {
        if (entry.key != key || !Writes(edition, entry))
            continue;
        const std::string name = prefix + entry.name;
        const auto it = stored.find(entry.name);
        if (tapeForgotten && entry.kind == Kind::Tape) {
            EXPECT_TRUE(it == stored.end()) << "\"" << name << "\" was kept with Forget Tape on";
            continue;
        }
        if (it == stored.end()) {
            ADD_FAILURE() << "\"" << name << "\" was not saved";
            continue;
        }
        const RegistryValue& value = it->second;
        EXPECT_EQ(value.type, entry.type) << name;
        if (entry.size != 0 && value.bytes.size() != entry.size) {
            ADD_FAILURE() << "\"" << name << "\" was saved with " << value.bytes.size() << " bytes, not "
                          << entry.size;
            continue;
        }
        if (each)
            each(entry, value.bytes);
        ExpectInRange(entry, value.bytes, edition, name);
    }
}

}  // namespace e2e
