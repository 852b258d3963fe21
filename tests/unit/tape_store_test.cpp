// The tape's lines and their stored value: what comes back, and what a damaged value leaves.
#include <gtest/gtest.h>

#include "registry_fixture.h"
#include "tape_store.h"

namespace {

std::vector<std::string> Decode(const std::string& bytes)
{
    return DecodeTape(bytes.data(), bytes.size());
}

using Lines = std::vector<std::string>;

TEST(TapeLines, KeepsTheLastThousandLines)
{
    TapeLines tape;
    int changes = 0;
    tape.OnChange([&](TapeChange change) { changes += change == TapeChange::Appended ? 1 : 100; });
    for (int i = 1; i <= 1001; ++i)
        tape.Record(std::to_string(i), std::nullopt);
    EXPECT_EQ(changes, 1001);
    ASSERT_EQ(tape.Lines().size(), 1000u);
    EXPECT_EQ(tape.Lines().front(), "2");
    EXPECT_EQ(tape.Lines().back(), "1001");
}

TEST(TapeLines, CopiesDeletesAndClears)
{
    TapeLines tape;
    tape.Assign({"a", "b", "c", "d"});
    EXPECT_EQ(tape.Text({}), "a\r\nb\r\nc\r\nd");  // nothing selected: every line
    EXPECT_EQ(tape.Text({3, 1, 1, 9}), "b\r\nd");  // in tape order, once, in range
    tape.Erase({0, 2, -1, 7});
    EXPECT_EQ(tape.Lines(), std::deque<std::string>({"b", "d"}));
    tape.Clear();
    EXPECT_TRUE(tape.Lines().empty());
    EXPECT_EQ(tape.Text({}), "");
}

TEST(TapeCodec, ReadsBackWhatItWrites)
{
    const std::deque<std::string> lines = {"12 + 5 = 17", "sin 30 = 0.5", "1,5 + 1 = 2,5"};
    const std::string stored = EncodeTape(lines);
    EXPECT_EQ(stored, "12 + 5 = 17\r\nsin 30 = 0.5\r\n1,5 + 1 = 2,5");
    EXPECT_EQ(Decode(stored), Lines(lines.begin(), lines.end()));
}

struct Damage {
    const char* what;
    std::string bytes;
    Lines lines;
};

class TapeDamage : public testing::TestWithParam<Damage> {};

TEST_P(TapeDamage, KeepsEveryValidLine)
{
    EXPECT_EQ(Decode(GetParam().bytes), GetParam().lines) << GetParam().what;
}

const std::string kTooLong(TapeLines::kMaxLineLength + 1, '7');

INSTANTIATE_TEST_SUITE_P(
    Stored, TapeDamage,
    testing::Values(Damage{"empty", "", {}}, Damage{"zero only", std::string(1, '\0'), {}},
                    Damage{"cut in a line", "1 + 1 = 2\r\n3 + ", {"1 + 1 = 2", "3 + "}},
                    Damage{"lone line feeds and blank lines", "a\n\n\r\nb\r", {"a", "b"}},
                    Damage{"embedded zeros", std::string("a\0b\0\0c", 6), {"a", "b", "c"}},
                    Damage{"control characters",
                           "a\tb\x01"
                           "c\x7F",
                           {"a b c "}},
                    Damage{"a line over the sane length", "a\r\n" + kTooLong + "\r\nb", {"a", "b"}},
                    Damage{"a line of the sane length",
                           std::string(TapeLines::kMaxLineLength, '7'),
                           {std::string(TapeLines::kMaxLineLength, '7')}},
                    Damage{"high bytes are ANSI text", "\xB1\xE9", {"\xB1\xE9"}}));

TEST(TapeCodec, AnOverLongTapeKeepsItsLastThousandLines)
{
    std::string stored;
    for (int i = 1; i <= 1500; ++i)
        stored += std::to_string(i) + "\r\n";
    const Lines lines = Decode(stored);
    ASSERT_EQ(lines.size(), TapeLines::kCapacity);
    EXPECT_EQ(lines.front(), "501");
    EXPECT_EQ(lines.back(), "1500");
}

class TapeStore : public RegistryTest {};

TEST_P(TapeStore, AValueOfTheWrongTypeOrSizeLeavesTheTape)
{
    const char* key = "Software\\Brimwold\\Tallyra\\Classic";
    for (const auto& [type, bytes] : std::vector<std::pair<uint32_t, std::vector<uint8_t>>>{
             {kRegDword, Words({0x41414141})}, {kRegBinary, Text("1 + 1 = 2")}}) {
        registry->SetValue(key, kTapeValueName, type, bytes);
        TapeLines tape;
        tape.Assign({"kept"});
        LoadTape(*registry->Registry().Open(key), tape);
        EXPECT_EQ(tape.Lines(), std::deque<std::string>({"kept"})) << "type " << type;
    }
    registry->SetValue(key, kTapeValueName, kRegString, Text("a\r\nb"));
    TapeLines tape;
    LoadTape(*registry->Registry().Open(key), tape);
    EXPECT_EQ(tape.Lines(), std::deque<std::string>({"a", "b"}));
}

INSTANTIATE_TEST_SUITE_P(Registries, TapeStore, testing::ValuesIn(TestRegistryKinds()));

}  // namespace
