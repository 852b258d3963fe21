// The help text's stored form: scrambling, the end mark, line ends, and the resource the
// build writes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "help_text.h"
#include "maker_links.h"
#include "read_file.h"

namespace {

const uint8_t kKey[4] = {0x11, 0x22, 0x44, 0x88};

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::string Text(const ScrambledPayload& payload)
{
    return std::string(reinterpret_cast<const char*>(payload.bytes), payload.length);
}

}  // namespace

TEST(UnscrambleText, LeavesDataWithoutTheMagicAsItIs)
{
    std::vector<uint8_t> plain = Bytes("Plain text.");
    const std::vector<uint8_t> before = plain;
    const ScrambledPayload payload = UnscrambleText(plain.data(), static_cast<uint32_t>(plain.size()));
    EXPECT_EQ(payload.bytes, plain.data());
    EXPECT_EQ(payload.length, plain.size());
    EXPECT_EQ(plain, before);

    std::vector<uint8_t> halfMagic = Bytes("Zebra");
    EXPECT_EQ(UnscrambleText(halfMagic.data(), 5).length, 5u);
    std::vector<uint8_t> lowerCase = Bytes("zm1234abc");
    EXPECT_EQ(UnscrambleText(lowerCase.data(), 9).length, 9u);
}

TEST(UnscrambleText, NothingAtAllStaysNothing)
{
    EXPECT_EQ(UnscrambleText(nullptr, 0).length, 0u);
    uint8_t one = 'Z';
    const ScrambledPayload payload = UnscrambleText(&one, 1);
    EXPECT_EQ(payload.bytes, &one);
    EXPECT_EQ(payload.length, 1u);
}

TEST(UnscrambleText, MagicAndKeyWithoutPayloadGiveAnEmptyText)
{
    std::vector<uint8_t> data = {0x5A, 0x4D, 1, 2, 3, 4};
    const ScrambledPayload payload = UnscrambleText(data.data(), 6);
    EXPECT_EQ(payload.length, 0u);
    EXPECT_EQ(payload.bytes, data.data() + 6);
}

TEST(UnscrambleText, MagicWithATruncatedKeyGivesAnEmptyTextAndWritesNothing)
{
    for (uint32_t length = 2; length < 6; ++length) {
        // Guard bytes behind the given length must survive.
        std::vector<uint8_t> data = {0x5A, 0x4D, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        const std::vector<uint8_t> before = data;
        const ScrambledPayload payload = UnscrambleText(data.data(), length);
        EXPECT_EQ(payload.length, 0u) << length;
        EXPECT_EQ(data, before) << length;
    }
}

TEST(UnscrambleText, NinePayloadBytesUseTheKeyInTheOrder3210_0123_3)
{
    // Zero bytes XOR the key show which key byte each position takes.
    std::vector<uint8_t> data = {0x5A, 0x4D, 0xA0, 0xA1, 0xA2, 0xA3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x77};
    const ScrambledPayload payload = UnscrambleText(data.data(), 15);
    ASSERT_EQ(payload.length, 9u);
    const std::vector<uint8_t> keys(payload.bytes, payload.bytes + payload.length);
    EXPECT_EQ(keys, (std::vector<uint8_t>{0xA3, 0xA2, 0xA1, 0xA0, 0xA0, 0xA1, 0xA2, 0xA3, 0xA3}));
    EXPECT_EQ(data[15], 0x77);  // beyond the length: untouched
}

TEST(UnscrambleText, BlocksKeepAlternatingOverLongTexts)
{
    std::vector<uint8_t> data(6 + 40, 0);
    data[0] = 0x5A;
    data[1] = 0x4D;
    data[2] = 10;
    data[3] = 11;
    data[4] = 12;
    data[5] = 13;
    const ScrambledPayload payload = UnscrambleText(data.data(), static_cast<uint32_t>(data.size()));
    ASSERT_EQ(payload.length, 40u);
    for (uint32_t i = 0; i < 40; ++i) {
        const uint32_t block = i / 4;
        const uint32_t j = block % 2 == 0 ? 3 - i % 4 : i % 4;
        EXPECT_EQ(payload.bytes[i], 10 + j) << i;
    }
}

TEST(ScrambleText, WritesTheMagicTheKeyAndAPayloadThatUnscramblesBack)
{
    for (size_t length = 0; length <= 17; ++length) {
        const std::string text = std::string("The quick brown fox.").substr(0, length);
        std::vector<uint8_t> stored = ScrambleText(text, kKey);
        ASSERT_EQ(stored.size(), 6 + length);
        EXPECT_EQ(stored[0], 0x5A);
        EXPECT_EQ(stored[1], 0x4D);
        EXPECT_EQ((std::vector<uint8_t>(stored.begin() + 2, stored.begin() + 6)),
                  (std::vector<uint8_t>{0x11, 0x22, 0x44, 0x88}));
        const ScrambledPayload payload = UnscrambleText(stored.data(), static_cast<uint32_t>(stored.size()));
        EXPECT_EQ(Text(payload), text);
    }
}

TEST(ScrambleText, HidesTheText)
{
    const std::vector<uint8_t> stored = ScrambleText("aaaaaaaa", kKey);
    EXPECT_EQ(stored[6], 'a' ^ 0x88);
    EXPECT_EQ(stored[9], 'a' ^ 0x11);
    EXPECT_EQ(stored[10], 'a' ^ 0x11);
    EXPECT_EQ(stored[13], 'a' ^ 0x88);
}

TEST(HelpTextToShow, APlainResourceLosesOnlyItsLastByte)
{
    const std::string resource = "Line one\r\nLine two!";
    EXPECT_EQ(HelpTextToShow(reinterpret_cast<const uint8_t*>(resource.data()), 19), "Line one\r\nLine two");
    const uint8_t single = 'x';
    EXPECT_EQ(HelpTextToShow(&single, 1), "");
    EXPECT_EQ(HelpTextToShow(nullptr, 0), "");
}

TEST(HelpTextToShow, AScrambledResourceLosesItsEndMark)
{
    const std::vector<uint8_t> stored = ScrambleText(std::string("Hello") + '\0', kKey);
    const std::vector<uint8_t> before = stored;
    EXPECT_EQ(HelpTextToShow(stored.data(), static_cast<uint32_t>(stored.size())), "Hello");
    EXPECT_EQ(stored, before);  // the resource itself is never written

    const std::vector<uint8_t> markOnly = ScrambleText("?", kKey);
    EXPECT_EQ(HelpTextToShow(markOnly.data(), 7), "");
}

TEST(HelpTextToShow, MagicKeyAndNoPayloadShowNothing)
{
    const uint8_t stored[] = {0x5A, 0x4D, 9, 8, 7, 6};
    EXPECT_EQ(HelpTextToShow(stored, 6), "");
    EXPECT_EQ(HelpTextToShow(stored, 4), "");
}

TEST(WithCrlfLineEnds, MakesEveryLineBreakCrLf)
{
    EXPECT_EQ(WithCrlfLineEnds("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(WithCrlfLineEnds("a\r\nb\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(WithCrlfLineEnds("a\rb"), "a\r\nb");
    EXPECT_EQ(WithCrlfLineEnds("a\n\nb\r\r\nc"), "a\r\n\r\nb\r\n\r\nc");
    EXPECT_EQ(WithCrlfLineEnds(""), "");
    EXPECT_EQ(WithCrlfLineEnds("no break"), "no break");
}

TEST(BuildHelpResource, StoresCrLfTextWithTheEndMarkScrambled)
{
    const std::vector<uint8_t> stored = BuildHelpResource("One\nTwo\n", kKey);
    ASSERT_EQ(stored.size(), 6u + 10u + 1u);
    EXPECT_EQ(HelpTextToShow(stored.data(), static_cast<uint32_t>(stored.size())), "One\r\nTwo\r\n");
    std::vector<uint8_t> copy = stored;
    const ScrambledPayload payload = UnscrambleText(copy.data(), static_cast<uint32_t>(copy.size()));
    EXPECT_EQ(payload.bytes[payload.length - 1], static_cast<uint8_t>(kHelpTextEndMark));
}

TEST(HelpResourceFile, TheBuiltResourceGivesBackTheHelpText)
{
    const std::string source = ReadFile(TALLYRA_HELP_TXT);
    const std::string stored = ReadFile(TALLYRA_HELP_BIN);
    ASSERT_GT(source.size(), 1000u);
    ASSERT_GT(stored.size(), 6u);
    EXPECT_EQ(static_cast<uint8_t>(stored[0]), 0x5A);
    EXPECT_EQ(static_cast<uint8_t>(stored[1]), 0x4D);
    EXPECT_EQ(stored.find("Tallyra"), std::string::npos) << "the stored text is scrambled";
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(stored.data());
    EXPECT_EQ(HelpTextToShow(bytes, static_cast<uint32_t>(stored.size())), WithCrlfLineEnds(source));
}

TEST(HelpResourceFile, TheHelpTextIsPlainAsciiWithLfLineEnds)
{
    const std::string source = ReadFile(TALLYRA_HELP_TXT);
    size_t line = 1;
    for (char c : source) {
        const unsigned char u = static_cast<unsigned char>(c);
        EXPECT_TRUE(c == '\n' || (u >= 0x20 && u < 0x7F)) << "line " << line << " has byte " << int(u);
        if (c == '\n')
            ++line;
    }
    ASSERT_FALSE(source.empty());
    EXPECT_EQ(source.back(), '\n');
}

TEST(MakerLinks, TheMailLinkAsksForANewMessageAboutTallyra)
{
    EXPECT_STREQ(kMakerMailLink, "mailto:tallyra@brimwold.example?subject=Tallyra");
    EXPECT_STREQ(kMakerMailLink, "mailto:" TALLYRA_MAKER_MAIL_ADDRESS "?subject=Tallyra");
    EXPECT_STREQ(kMakerWebAddress, "https://www.brimwold.example/tallyra");
}
