// The settings file's text: what is read back from whatever a file may hold, and that what is
// written comes back exactly, byte for byte.
#include <gtest/gtest.h>

#include <cctype>

#include "ini_document.h"
#include "registry_port.h"

namespace {

const std::string kKey = "Software\\Brimwold\\Tallyra\\Classic";

IniDocument ParseText(const std::string& text)
{
    return IniDocument::Parse(text.data(), text.size());
}

IniValue Value(const std::string& name, uint32_t type, const std::string& bytes)
{
    return IniValue{name, type, bytes};
}

std::string Dword(uint32_t number)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(number >> (8 * i));
    return bytes;
}

// Values printed with their bytes, so that a failure shows what was read.
std::string Show(const std::vector<IniValue>& values)
{
    std::string out;
    for (const IniValue& value : values) {
        out += value.name + " (" + std::to_string(value.type) + "):";
        for (unsigned char c : value.bytes)
            out += " " + std::to_string(c);
        out += "\n";
    }
    return out;
}

struct Hostile {
    const char* what;
    std::string text;
    std::vector<IniValue> values;  // the key's values read from it, in order
};

class HostileFile : public testing::TestWithParam<Hostile> {};

// "a NUL byte spoils only its line" becomes "ANULByteSpoilsOnlyItsLine".
std::string CaseName(const testing::TestParamInfo<Hostile>& info)
{
    std::string name;
    bool start = true;
    for (const char* c = info.param.what; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += start ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
        start = *c == ' ';
    }
    return name;
}

TEST_P(HostileFile, KeepsEveryValueThatCanBeReadAndNothingElse)
{
    const IniDocument document = ParseText(GetParam().text);
    ASSERT_LE(document.Sections().size(), 1u) << GetParam().what;
    const std::vector<IniValue> read =
        document.Sections().empty() ? std::vector<IniValue>() : document.Sections()[0].values;
    if (!document.Sections().empty()) {
        EXPECT_EQ(document.Sections()[0].name, kKey) << GetParam().what;
    }
    EXPECT_EQ(Show(read), Show(GetParam().values)) << GetParam().what;
}

const std::string kHead = "[" + kKey + "]\n";

// As Notepad saves "Unicode" text.
std::string Utf16(const std::string& text)
{
    std::string wide = "\xFF\xFE";
    for (char c : text)
        wide += std::string(1, c) + '\0';
    return wide;
}
const std::string kLongHex(kMaxSettingsLineBytes, '0');

INSTANTIATE_TEST_SUITE_P(
    Texts, HostileFile,
    testing::Values(
        Hostile{"empty", "", {}},
        Hostile{"every form",
                kHead + "A=binary:00ff10\nB=dword:4294967295\nC=string:a b\nD=hex(7):6100\nE=binary:\n",
                {Value("A", kRegBinary, std::string("\0\xff\x10", 3)),
                 Value("B", kRegDword, Dword(0xFFFFFFFF)), Value("C", kRegString, std::string("a b\0", 4)),
                 Value("D", 7, std::string("a\0", 2)), Value("E", kRegBinary, "")}},
        Hostile{"a byte order mark, CR LF, comments, blanks and case",
                "\xEF\xBB\xBF; saved by hand\r\n# another\r\n\r\n  [ " + kKey +
                    " ]  \r\n  A = Binary: 0A \r\n"
                    "B=DWORD: 7\r\n",
                {Value("A", kRegBinary, "\n"), Value("B", kRegDword, Dword(7))}},
        Hostile{"bad hexadecimal",
                kHead + "A=binary:0\nB=binary:zz\nC=binary:01 02\nD=hex(3):0g\nE=binary:0x01\nF=binary:01\n",
                {Value("F", kRegBinary, "\x01")}},
        Hostile{"numbers out of range or no numbers",
                kHead + "A=dword:4294967296\nB=dword:-1\nC=dword:\nD=dword:12345678901\nE=dword:0x10\n"
                        "F=dword:1e3\nG=dword:007\n",
                {Value("G", kRegDword, Dword(7))}},
        Hostile{"unknown types and lines that hold no value",
                kHead + "A=text:1\nB=binary\nC\n=binary:01\nD=hex():01\nE=hex(x):01\nF=hex(4294967296):01\n"
                        "G:binary=01\nH=hex(3:01\n",
                {}},
        Hostile{"escapes, good and bad",
                kHead +
                    "A=string:\\\\ \\r\\n\\t\\x00\\xfF\\x20\nB=string:\\q\nC=string:\\x4\nD=string:end\\\n"
                    "E=string:tab\there\nF=string:bell\x07\nG=string:\\x20both ends\\x20\n",
                {Value("A", kRegString, std::string("\\ \r\n\t\0\xff \0", 9)),
                 Value("G", kRegString, std::string(" both ends \0", 12))}},
        Hostile{"a NUL byte spoils only its line",
                kHead + "A=binary:01\n" + std::string("B=string:x\0y\n", 13) + "C=binary:02\n",
                {Value("A", kRegBinary, "\x01"), Value("C", kRegBinary, "\x02")}},
        Hostile{"a name twice: the last value is kept where the first stood; sections merge",
                kHead + "A=binary:01\nB=binary:02\na=dword:3\n[" + kKey +
                    "]\nC=binary:04\n[SOFTWARE\\BRIMWOLD\\" + "TALLYRA\\CLASSIC]\nb=binary:05\n",
                {Value("A", kRegDword, Dword(3)), Value("B", kRegBinary, "\x05"),
                 Value("C", kRegBinary, "\x04")}},
        Hostile{"values before any section or under one that cannot be read",
                "A=binary:01\n" + kHead +
                    "B=binary:02\n[bad\nC=binary:03\n[]\nD=binary:04\n[a]b]\nE=binary:05\n" + kHead +
                    "F=binary:06\n",
                {Value("B", kRegBinary, "\x02"), Value("F", kRegBinary, "\x06")}},
        Hostile{"an over-long line",
                kHead + "A=binary:" + kLongHex + "\nB=binary:01",
                {Value("B", kRegBinary, "\x01")}},
        Hostile{"names the file cannot hold",
                kHead +
                    ";A=binary:01\n#B=binary:01\nC\x01=binary:01\nE=binary:01\n[D=binary:01\nF=binary:01\n",
                {Value("E", kRegBinary, "\x01")}},
        Hostile{"UTF-16 text is no settings", Utf16(kHead + "A=binary:01\r\n"), {}}),
    CaseName);

TEST(IniFile, ALineOfTheLongestLengthIsRead)
{
    const std::string prefix = "A=string:";
    const std::string text =
        kHead + prefix + std::string(kMaxSettingsLineBytes - prefix.size(), '7') + "\r\n";
    const IniDocument document = ParseText(text);
    ASSERT_EQ(document.Sections().size(), 1u);
    ASSERT_EQ(document.Sections()[0].values.size(), 1u);
    EXPECT_EQ(document.Sections()[0].values[0].bytes.size(), kMaxSettingsLineBytes - prefix.size() + 1);
}

TEST(IniFile, IsTextAPersonCanRead)
{
    IniDocument document;
    IniSection& section = document.Section(kKey);
    section.Set("Show Tips", kRegBinary, "\x01");
    section.Set("Run Q-ty", kRegDword, Dword(42));
    section.Set("Tape", kRegString, std::string("12 + 5 = 17\r\nMC\0", 16));
    section.Set("No Zero", kRegString, "ab");
    section.Set("Short", kRegDword, "\x01");
    document.Section("Software\\Brimwold\\Loan Calculator\\Classic")
        .Set("Percent", kRegString, std::string("7,5%\0", 5));
    EXPECT_EQ(
        document.Write(),
        "; Tallyra's settings. While this file is beside the program, they are kept here and not in the "
        "registry.\r\n"
        "\r\n"
        "[Software\\Brimwold\\Tallyra\\Classic]\r\n"
        "Show Tips=binary:01\r\n"
        "Run Q-ty=dword:42\r\n"
        "Tape=string:12 + 5 = 17\\r\\nMC\r\n"
        "No Zero=hex(1):6162\r\n"
        "Short=hex(4):01\r\n"
        "\r\n"
        "[Software\\Brimwold\\Loan Calculator\\Classic]\r\n"
        "Percent=string:7,5%\r\n");
}

TEST(IniFile, EveryByteOfEveryTypeComesBack)
{
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    IniDocument document;
    IniSection& section = document.Section(kKey);
    section.Set("Text", kRegString, all + all + std::string(1, '\0'));
    section.Set("Spaces", kRegString, std::string("  a  \0", 6));
    section.Set("Empty Text", kRegString, std::string(1, '\0'));
    section.Set("Bytes", kRegBinary, all);
    section.Set("Empty", kRegBinary, "");
    section.Set("Untyped", 0, all);
    section.Set("Multi", 7, std::string("a\0b\0\0", 5));
    section.Set("Odd Dword", kRegDword, "\x01\x02\x03");
    section.Set("Highest Type", 0xFFFFFFFFu, "\x01");
    document.Section("Second").Set("x,y", kRegBinary, Dword(0xFFFFFFFF) + Dword(300));

    const std::string text = document.Write();
    const IniDocument read = ParseText(text);
    EXPECT_TRUE(read == document);
    EXPECT_EQ(read.Write(), text);
    // Each value's line is as long as the length the store checks before it takes a value.
    for (const IniValue& value : document.Find(kKey)->values) {
        const size_t at = text.find("\r\n" + value.name + "=");
        ASSERT_NE(at, std::string::npos) << value.name;
        EXPECT_EQ(text.find("\r\n", at + 2) - (at + 2), IniLineLength(value)) << value.name;
    }
}

TEST(IniFile, NamesItCanHold)
{
    for (const char* name : {"Basic Colors", "x,y", "Run Q-ty", "bAfter", "a:b", "a]b", "a;b", "\xE9t\xE9"})
        EXPECT_TRUE(IsIniValueName(name)) << name;
    for (const char* name : {"", " a", "a ", "a=b", "[a", ";a", "#a", "a\tb", "a\nb", "a\x7F"})
        EXPECT_FALSE(IsIniValueName(name)) << name;
    EXPECT_TRUE(IsIniSectionName("Software\\Brimwold\\Loan Calculator\\Styled"));
    for (const char* name : {"", " a", "a]", "[a", "a\rb"})
        EXPECT_FALSE(IsIniSectionName(name)) << name;
}

}  // namespace
